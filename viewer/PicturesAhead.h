// Start-up's pictures decoded on a worker thread from the moment the process
// starts, while the libraries and the window are made: a large picture takes
// as long to decode as all of that. Start-up takes each where it loads it,
// waiting for it if need be, and decodes it itself where the layout asks
// for another file or size by then. What decoding a picture threw is thrown
// where start-up takes it, so that an error ends start-up where it always did.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "picture/DrawnSize.h"
#include "ui/Graphic.h"

namespace viewer {

class PicturesAhead {
public:
    // A picture file (as the layout names it) and the size it is drawn at.
    struct Request {
        std::wstring name;
        picture::DrawnSize drawn;
        bool operator==(const Request& o) const {
            return name == o.name && drawn.width == o.drawn.width && drawn.height == o.drawn.height;
        }
    };

    // Starts decoding the requests at once, one after another.
    explicit PicturesAhead(std::vector<Request> requests);
    // Stops after the picture being decoded; does not wait for it.
    ~PicturesAhead();
    PicturesAhead(const PicturesAhead&) = delete;
    PicturesAhead& operator=(const PicturesAhead&) = delete;

    // The index-th request's picture once decoded, where it is wanted;
    // throws what its decoding threw. None where that request is not the
    // one wanted (or there is none).
    std::optional<ui::Graphic> Take(size_t index, const Request& wanted);

    // Shared by the owner and the worker.
    struct State;

private:
    std::shared_ptr<State> state_;
    HANDLE worker_ = nullptr;
};

}  // namespace viewer
