#pragma once
// Message texts of the payload that the runtime library does not have: a payload that does not
// hold together is refused when it is loaded or extracted, rather than written out wrong.
namespace payload::consts {

// An item's "Data" block must follow its "Size" and hold exactly Size bytes; an item with a
// Size above 0 must have a "Data" block. Reported as errors reading the item's "Data".
inline constexpr char SDataBeforeSize[] = "Data before Size";
inline constexpr char SDataSizeMismatch[] = "Data length %d differs from Size %d";
inline constexpr char SDataMissing[] = "Data missing for Size %d";
// Packing: what one payload cannot hold, named by the file that would not fit. A file's Size is
// a 32-bit field, and every reader of both bitnesses takes a payload of at most 2147483647 bytes.
inline constexpr char SFileTooLarge[] = "Cannot pack file %s: files of 2 GB or more do not fit the payload";
inline constexpr char SPayloadTooLarge[] =
    "Cannot pack file %s: with its %s bytes the payload would pass 2147483647 bytes, the most that one "
    "payload holds";
inline constexpr char SPackOutOfMemory[] =
    "Cannot pack file %s: out of memory for its %s bytes with %s bytes of the payload held; packing holds "
    "the whole payload in memory, which a 32-bit program has at most 2 GB of (the 32-bit kvpack 4 GB "
    "on 64-bit Windows)";
inline constexpr char SWriteOutOfMemory[] =
    "Cannot write %s into the payload: out of memory for the copy of its %s bytes that the stream writer makes";
// A stored name that would leave the destination folder or name no plain file in it.
inline constexpr char SInvalidPayloadFileName[] = "Invalid file name in payload: %s";

}  // namespace payload::consts
