// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// The whole-row operations offered by each row's option button, numbered as
// the entries of its pop-up list ("Clear All" first, "Skip 3..." last).
enum class RowOperation {
    ClearAll,
    MarkAll,
    ToggleAll,
    CopyFrom,
    CopyTo,
    Skip1,
    Skip2,
    Skip3,
};

namespace RowOperationList {

// The operation of a list entry; none for the empty entry, "Cancel" or no entry.
constexpr std::optional<RowOperation> fromEntry(int entry)
{
    if (entry < static_cast<int>(RowOperation::ClearAll)
        || entry > static_cast<int>(RowOperation::Skip3))
        return std::nullopt;
    return static_cast<RowOperation>(entry);
}

// Copies work with a second row that the user picks from another list.
constexpr bool needsOtherRow(RowOperation operation)
{
    return operation == RowOperation::CopyFrom || operation == RowOperation::CopyTo;
}

} // namespace RowOperationList
