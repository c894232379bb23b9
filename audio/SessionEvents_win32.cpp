#include "audio/SessionEvents_win32.h"

#include "audio/ComReference_win32.h"

SessionEvents::SessionEvents(HWND window, UINT message)
    : window_(window), message_(message), closed_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

SessionEvents::~SessionEvents() {
  if (closed_) CloseHandle(closed_);
}

// The session rides along as the request's state, so that this object holds no
// reference to it between events.
bool SessionEvents::listenTo(IMFMediaSession* session) { return SUCCEEDED(session->BeginGetEvent(this, session)); }

bool SessionEvents::take(Event& event) {
  std::lock_guard<std::mutex> guard(lock_);
  if (queue_.empty()) return false;
  event = queue_.front();
  queue_.pop_front();
  return true;
}

bool SessionEvents::waitForClose(DWORD milliseconds) {
  return closed_ && WaitForSingleObject(closed_, milliseconds) == WAIT_OBJECT_0;
}

STDMETHODIMP SessionEvents::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (id == IID_IUnknown || id == IID_IMFAsyncCallback) {
    *object = static_cast<IMFAsyncCallback*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) SessionEvents::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) SessionEvents::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP SessionEvents::GetParameters(DWORD*, DWORD*) { return E_NOTIMPL; }

STDMETHODIMP SessionEvents::Invoke(IMFAsyncResult* result) {
  ComReference<IUnknown> state;
  ComReference<IMFMediaSession> session;
  ComReference<IMFMediaEvent> received;
  if (FAILED(result->GetState(state.put())) ||
      FAILED(state->QueryInterface(IID_IMFMediaSession, session.putVoid())) ||
      FAILED(session->EndGetEvent(result, received.put()))) {
    // A session shut down answers no more requests.
    return S_OK;
  }
  Event event;
  received->GetType(&event.type);
  received->GetStatus(&event.status);
  {
    std::lock_guard<std::mutex> guard(lock_);
    queue_.push_back(event);
  }
  if (event.type == MESessionClosed) {
    SetEvent(closed_);
  } else {
    listenTo(session.get());
  }
  PostMessageA(window_, message_, 0, 0);
  return S_OK;
}
