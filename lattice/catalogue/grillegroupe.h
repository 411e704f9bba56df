// Grouped definition texts: definition lines gathered under percentage words.
#pragma once

class lichavo;

// Expand one grouped text and append its definition lines to lines, in order.
// The words are read left to right: a word beginning with "%" makes itself
// the suffix of the following lines ("%0" clears the suffix); a word
// beginning with "#" is a remark and is skipped; an empty word is skipped;
// any other word is a line, appended with the current suffix. The suffix
// starts empty for every text.
void developgroupe(const char* text, lichavo* lines);
