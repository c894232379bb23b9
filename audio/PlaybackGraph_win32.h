#pragma once
// The DirectShow filter graph of one loaded track, behind MediaGraph. COM is
// initialised for the object's life; an empty reference makes every call that
// needs it do nothing.
#include "audio/ComReference_win32.h"
#include "audio/MediaGraph.h"

struct IBasicAudio;
struct IGraphBuilder;
struct IMediaControl;
struct IMediaEventEx;
struct IMediaSeeking;

class PlaybackGraph : public MediaGraph {
 public:
  PlaybackGraph();
  ~PlaybackGraph() override;
  PlaybackGraph(const PlaybackGraph&) = delete;
  PlaybackGraph& operator=(const PlaybackGraph&) = delete;

  void create(const GraphNotifyTarget& target) override;
  void release() override;
  bool renderFile(const std::string& path) override;
  void run() override;
  void stop() override;
  void rewind() override;
  bool atEnd() override;
  // Takes events up to the first one that ends the stream (endsStream).
  bool takeCompletion() override;
  void setVolume(int level) override;
  std::int64_t currentPosition() override;
  std::int64_t length() override;
  void seek(std::int64_t milliseconds) override;

  // An end of stream, and the errors and aborts that end a stream early.
  static bool endsStream(long eventCode);
  // The results of RenderFile that leave a graph that plays the whole file's sound.
  static bool renderedInFull(long result);

 private:
  void hidePicture();
  // Takes one event and frees its parameters; false when the queue is empty.
  bool takeEvent(long* code = nullptr);

  ComReference<IGraphBuilder> graphBuilder_;
  ComReference<IMediaControl> mediaControl_;
  ComReference<IMediaEventEx> mediaEvent_;
  ComReference<IMediaSeeking> mediaSeeking_;
  ComReference<IBasicAudio> basicAudio_;
  int volume_ = 100;
  // Where a stop left the track, in 100-ns units, until the next run or seek;
  // -1 for none. Windows' graph reports it itself, Wine's says 0 after a stop.
  long long stoppedAt_ = -1;
  // A graph holds one file: a second one would play along with it.
  bool rendered_ = false;
  // A completion was taken and no rewind has been made since.
  bool ended_ = false;
};
