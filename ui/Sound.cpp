#include "ui/Sound.h"

namespace ui {
namespace {
SoundObserver& Observer() {
    static SoundObserver observer;
    return observer;
}
}  // namespace

void PlaySystemSound(UINT type) {
    if (Observer())
        Observer()(type);
    else
        MessageBeep(type);
}

void SetSoundObserver(SoundObserver observer) { Observer() = std::move(observer); }

}  // namespace ui
