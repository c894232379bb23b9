#pragma once
// Where the Windows tests find what the test runner prepared for them.
#include <string>
#include <vector>

namespace test_media {

// A file made by tools/make-test-media.sh (in VEXMOOR_TEST_MEDIA), or "" when
// the runner did not say where they are.
std::string preparedFile(const std::string& name);

// The folder of the captured sound (VEXMOOR_CAPTURE_DIR) as a Windows path.
std::string captureFolder();
// Empties the recording, so that what is heard next starts it afresh.
void clearCapture();
// What was heard since the last clear: float32 stereo samples at 48 kHz.
std::vector<float> readCapture();

}  // namespace test_media
