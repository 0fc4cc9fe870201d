#pragma once
#include <cstddef>
#include <cstdint>

namespace gyrelune {

// Reads arbitrary bytes as a document, checks the reader's promises, writes it
// back and reads it again, then opens it into a fresh window set and draws.
// Aborts on a broken promise; errors the program reports are fine.
void checkDocumentBytes(const std::uint8_t* data, std::size_t size);

} // namespace gyrelune
