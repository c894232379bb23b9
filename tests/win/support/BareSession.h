#pragma once
// Media Foundation's own calls with nothing of the player around them: a file's
// source resolved, its first stream connected to the audio renderer's
// activation object, a Media Session that resolves the topology and starts,
// and the documented close and shut-down. The baseline of the Media Foundation
// timings and of its threads and handles.
#include <string>

#include "audio/ComReference_win32.h"

struct IMFMediaSession;
struct IMFMediaSource;

class BareSession {
 public:
  BareSession();
  ~BareSession();
  BareSession(const BareSession&) = delete;
  BareSession& operator=(const BareSession&) = delete;

  // Releases the former session, then resolves, builds and starts; false when any step fails.
  bool play(const std::string& path);
  // True when the session has reported its end since the last look.
  bool ended();
  // Close, the wait for its report, and the shut-down of session and source.
  void release();

 private:
  bool started_ = false;
  ComReference<IMFMediaSession> session_;
  ComReference<IMFMediaSource> source_;
};
