#include "support/Sounds.h"

#include "support/Dialogs.h"
#include "ui/Sound.h"

namespace testsupport {

SoundRecorder::SoundRecorder() {
    ui::SetSoundObserver([this](UINT type) { sounds_.push_back({type, FindDialog() != nullptr}); });
}

SoundRecorder::~SoundRecorder() { ui::SetSoundObserver(nullptr); }

}  // namespace testsupport
