#pragma once
// Message texts of the payload that the runtime library does not have: a payload that does not
// hold together is refused when it is loaded or extracted, rather than written out wrong.
namespace payload::consts {

// An item's "Data" block must follow its "Size" and hold exactly Size bytes; an item with a
// Size above 0 must have a "Data" block. Reported as errors reading the item's "Data".
inline constexpr char SDataBeforeSize[] = "Data before Size";
inline constexpr char SDataSizeMismatch[] = "Data length %d differs from Size %d";
inline constexpr char SDataMissing[] = "Data missing for Size %d";
// A stored name that would leave the destination folder or name no plain file in it.
inline constexpr char SInvalidPayloadFileName[] = "Invalid file name in payload: %s";

}  // namespace payload::consts
