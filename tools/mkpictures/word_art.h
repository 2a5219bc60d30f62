// STRINGS words in large type: the CLEAR letters, RANK IN, OUT OF RANKING
// and the title logo.
#ifndef MKPICTURES_WORD_ART_H
#define MKPICTURES_WORD_ART_H

#include "entry_styles.h"

// Member n is the style's word n, one letter to a cell.
void DrawClearLetters(Canvas& canvas, AtlasId id, const EntryStyle& style);
// Both on the result board's colour, as the result screen draws them unkeyed.
void DrawRankIn(Canvas& canvas, AtlasId id, const EntryStyle& style);
// Words 0 and 1 on two lines.
void DrawOutOfRanking(Canvas& canvas, AtlasId id, const EntryStyle& style);
// Word 0 above, word 1 below and to the right.
void DrawTitleLogo(Canvas& canvas, AtlasId id, const EntryStyle& style);

#endif
