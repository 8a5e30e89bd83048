// Every sound the programs make goes through here, so that a test can see
// which sound came and whether it came before or after a box.
#pragma once
#include <windows.h>

#include <functional>

namespace ui {

void PlaySystemSound(UINT type);

// Tests observe sounds; an observer replaces the real beep.
using SoundObserver = std::function<void(UINT type)>;
void SetSoundObserver(SoundObserver observer);

}  // namespace ui
