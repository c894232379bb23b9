#pragma once
// The Media Foundation engine of one loaded track, behind MediaGraph: a Media
// Session playing the file's audio streams through the streaming audio
// renderer. Media Foundation is started for the object's life, as COM is; the
// session and the file's source exist only while a file is rendered.
#include "audio/ComReference_win32.h"
#include "audio/MediaGraph.h"

struct IMFMediaSession;
struct IMFMediaSink;
struct IMFMediaSource;
struct IMFTopology;
class SessionEvents;

class MediaSessionGraph : public MediaGraph {
 public:
  MediaSessionGraph();
  ~MediaSessionGraph() override;
  MediaSessionGraph(const MediaSessionGraph&) = delete;
  MediaSessionGraph& operator=(const MediaSessionGraph&) = delete;

  void create(const GraphNotifyTarget& target) override;
  void release() override;
  bool renderFile(const std::string& path) override;
  void run() override;
  // Pauses: the next run goes on from here.
  void stop() override;
  // Back to the start; a running track plays on from there, a paused one waits.
  void rewind() override;
  bool atEnd() override;
  bool takeCompletion() override;
  void setVolume(int level) override;
  std::int64_t currentPosition() override;
  std::int64_t length() override;
  // A paused track waits there; a running one plays on from there.
  void seek(std::int64_t milliseconds) override;

  // The end of the presentation, and the errors that end it early.
  static bool endsStream(unsigned long eventType, long status);

 private:
  bool openTrack();
  bool openSource(const std::string& path);
  bool makeRenderer();
  bool connectFirstAudioStream(IMFTopology* topology);
  bool openSession(IMFTopology* topology);
  void closeTrack();
  void applyVolume();
  // Makes the next takeCompletion report an end, and tells the window.
  void announceEnd();

  bool mediaFoundation_ = false;
  bool created_ = false;
  GraphNotifyTarget target_;
  std::string path_;
  ComReference<IMFMediaSource> source_;
  ComReference<IMFMediaSink> renderer_;
  ComReference<IMFMediaSession> session_;
  ComReference<SessionEvents> events_;
  // A file was rendered; lost when it could not be opened again at a rewind.
  bool rendered_ = false;
  bool lost_ = false;
  bool running_ = false;
  bool ended_ = false;
  int volume_ = 100;
  // The track's length, and where the next run starts when not where the
  // track was paused; in 100-ns units, startAt_ -1 for none.
  long long duration_ = 0;
  long long startAt_ = -1;
  bool endPending_ = false;
};
