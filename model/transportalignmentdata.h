#pragma once

#include "base/cbytes.h"
#include "base/nullable.h"
#include "model/savedalignment.h"

#include <string>

// The one exchange form of a saved alignment (kept per mount, served to remote clients, shared
// between devices): a tagged record with a keyed 5-byte digest, enciphered with a key made from a
// fixed piece and that digest, wrapped in an envelope that carries the digest in clear, as base64
// text. Reading never throws: anything malformed, tampered with or enciphered under another key
// piece reads as no package.
// Threads: any thread (free functions without state).
namespace Ko::TransportAlignmentData {

constexpr size_t Size_digest = 5;
constexpr size_t Size_iv = 5;

CBytes Envelope_Pack(const SavedAlignment& saved);
// The envelope around any serialised inner record, with the given format version.
CBytes Envelope_Seal(const CBytes& innerRecord, int32_t formatVersion);
std::string pack(const SavedAlignment& saved);
Nullable<SavedAlignment> readPackage(const CBytes& envelope);
Nullable<SavedAlignment> unpack(const std::string& text);
// Five bytes; empty data gives five zero bytes.
CBytes computeDigest(const CBytes& data);

} // namespace Ko::TransportAlignmentData
