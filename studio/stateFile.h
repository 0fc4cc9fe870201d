#pragma once
// State files: a studio render's grid kept on disk to be resumed or merged.
//
// Layout (version 1): a text header of lines "key: value" in a fixed order,
// starting with the line "Gyrelune density state 1" and ending with an empty
// line:
//   document: the document hash, 16 hex digits
//   size: WxH           supersample: s
//   seed, orbit-length, transient: whole numbers
//   view: zoom centreX centreY     depth: low high   (C hex floats, exact)
//   window-pixel: cells across one pixel of the image window (hex float)
//   gain, background: whole numbers (the background 0x00BBGGRR)
//   orbits: begin-end/index:count, ... (the orbit set, studio/studioSettings.h)
//   points: the points walked (orbits times orbit length; for reading only)
// then the grid as a zlib stream of the cells row by row, each cell four
// little-endian 32-bit numbers (count, red, green, blue), and last the line
// "crc32: XXXXXXXX" over every byte before it. Written beside the target and
// renamed into place.

#include "studio/accumulation.h"

#include <string>

namespace gyrelune {

// Empty on success, else why nothing was written.
std::string writeStateFile(const Accumulation& grid, const std::string& fileName);
// Empty on success, else why the file cannot be used (unreadable, not a state,
// another version, damaged).
std::string readStateFile(const std::string& fileName, Accumulation& grid);
// Only the header (for checks before the grid is allocated).
std::string readStateHeader(const std::string& fileName, AccumulationHeader& header);

} // namespace gyrelune
