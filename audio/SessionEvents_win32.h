#pragma once
// The events of one Media Session, collected on Media Foundation's threads. Its
// only act there is to queue the event and post the window's notification
// message; the window's thread takes the events from the queue.
#include <windows.h>
#include <mfidl.h>

#include <deque>
#include <mutex>

class SessionEvents final : public IMFAsyncCallback {
 public:
  struct Event {
    MediaEventType type = MEUnknown;
    HRESULT status = S_OK;
  };

  SessionEvents(HWND window, UINT message);
  SessionEvents(const SessionEvents&) = delete;
  SessionEvents& operator=(const SessionEvents&) = delete;

  // Asks the session for its next event, delivered to this object.
  bool listenTo(IMFMediaSession* session);
  // The oldest event not yet taken; false when there is none.
  bool take(Event& event);
  // Waits for the session's close to be reported, at most the given time.
  bool waitForClose(DWORD milliseconds);

  STDMETHODIMP QueryInterface(REFIID id, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  STDMETHODIMP GetParameters(DWORD* flags, DWORD* queue) override;
  STDMETHODIMP Invoke(IMFAsyncResult* result) override;

 private:
  ~SessionEvents();

  LONG references_ = 1;
  HWND window_;
  UINT message_;
  HANDLE closed_;
  std::mutex lock_;
  std::deque<Event> queue_;
};
