#pragma once
// The platform's own calls with nothing of the player around them: a filter
// graph made, a file rendered and run, the graph released. The baseline of
// the soak and the timings.
#include <string>

struct IGraphBuilder;
struct IMediaControl;

class BareGraph {
 public:
  BareGraph() = default;
  ~BareGraph() { release(); }
  BareGraph(const BareGraph&) = delete;
  BareGraph& operator=(const BareGraph&) = delete;

  // CoCreateInstance, RenderFile and Run of an ANSI path; false when any fails.
  bool play(const std::string& path);
  void release();

 private:
  IGraphBuilder* builder_ = nullptr;
  IMediaControl* control_ = nullptr;
};
