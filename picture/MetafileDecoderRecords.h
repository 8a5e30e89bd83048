// Record-by-record checks of metafiles before the platform plays them: every
// count, offset, handle slot and embedded bitmap a record names must lie
// inside that record and the metafile's handle table. Record kinds whose
// contents are not checked here are refused.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "picture/ByteReader.h"
#include "picture/WindowsFormats.h"

namespace picture {

// The records after the header of an enhanced metafile of total bytes, up to
// and including its end record.
bool EnhancedRecordsAreSound(const ByteReader& in, size_t headerSize, size_t total, unsigned handles);

struct WindowsRecordScan {
    bool sound = false;
    std::optional<SIZE> windowExtent;  // from the first SetWindowExt record
};

// The records of a Windows metafile in [start, end), up to and including its end record.
WindowsRecordScan ScanWindowsRecords(const ByteReader& in, size_t start, size_t end, unsigned objects);

}  // namespace picture
