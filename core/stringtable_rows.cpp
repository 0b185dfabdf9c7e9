// The string table itself: one array, in the order the rows were numbered, ending with the
// terminator row. The rows sit in the .inc files by category so that each stays readable;
// each row reads id, reserved, key, category, English, Simplified and Traditional Chinese.
#include "core/stringtable.h"

namespace {

// clang-format off
constexpr StringRecord kStringRecords[] = {
#include "core/stringtable_rows_kvt.inc"
#include "core/stringtable_rows_dialog1.inc"
#include "core/stringtable_rows_dialog2.inc"
#include "core/stringtable_rows_dialog3.inc"
#include "core/stringtable_rows_other.inc"
};
// clang-format on

} // namespace

std::span<const StringRecord> GetStringTable() {
    return kStringRecords;
}
