#pragma once
// Media Foundation's own calls with nothing of the player around them: a file's
// source resolved, its first stream connected to a new audio renderer, the
// topology loaded, a Media Session started on it; let go in the documented
// order (Close, its report awaited, then source, session and renderer shut
// down). The baseline of the Media Foundation timings and of the soak.
#include <string>

struct IMFMediaSession;
struct IMFMediaSource;
struct IMFMediaSink;
struct IMFTopology;

class BareSession {
 public:
  BareSession();
  ~BareSession();
  BareSession(const BareSession&) = delete;
  BareSession& operator=(const BareSession&) = delete;

  // Releases the former session, then resolves, builds and starts; false when any step fails.
  bool play(const std::string& path);
  void pause();
  // True when the session has reported its end since the last look. The
  // renderer is shut down at once, as the player's is: under Wine it keeps
  // starting threads past the end until then.
  bool ended();
  void release();

 private:
  IMFTopology* open(const std::string& path);
  bool nextEvent(unsigned long& type);

  bool started_ = false;
  IMFMediaSession* session_ = nullptr;
  IMFMediaSource* source_ = nullptr;
  IMFMediaSink* renderer_ = nullptr;
};
