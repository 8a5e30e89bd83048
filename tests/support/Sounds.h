// Records the sounds a program plays, and whether a box was open at each.
#pragma once
#include <vector>

namespace testsupport {

class SoundRecorder {
public:
    struct Sound {
        unsigned type;
        bool boxOpen;
    };
    SoundRecorder();
    ~SoundRecorder();
    const std::vector<Sound>& Sounds() const { return sounds_; }

private:
    std::vector<Sound> sounds_;
};

}  // namespace testsupport
