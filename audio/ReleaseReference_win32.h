#pragma once
// Lets go of one counted COM reference and empties it; an empty one is skipped.

template <typename Interface>
void releaseReference(Interface*& reference) {
  if (!reference) return;
  reference->Release();
  reference = nullptr;
}
