// Recording the player's entries and erasures in the undo history, and
// applying one undo or redo step to the grid.
//
// The game in progress (partie.h) keeps one defairefaire for the grid in play
// and calls:
// - memorisaction(history, 1, v, cell) after posevaleur puts v in an empty
//   cell, memorisaction(history, 2, v, cell) after it erases the player's v;
// - refaitaction(history, grid, 6) for "<" and refaitaction(history, grid, 5)
//   for ">", then repaints and enables "<" and ">" from peutreculer and
//   peutavancer;
// - history.clear() when a grid is loaded for the first time in the run, when
//   "F" returns the grid to its givens, when a level is chosen and when "R"
//   leaves the rules with no current grid; a grid left for another keeps its
//   history aside (partiesgrilles.h) until it is loaded again;
// - position = history.moveto(parked) when the rules open and, after the grid
//   is reloaded on leaving them, history.setfrom(position, parked).
#pragma once

#include "shell/core/defairefaire.h"

#include <utility>
#include <vector>

class clagrivora;

inline constexpr short actionpose = 1;       // a value entered
inline constexpr short actioneffacement = 2; // a player's value erased
inline constexpr short pasrefaire = 5;       // refaitaction: redo one step
inline constexpr short pasdefaire = 6;       // refaitaction: undo one step

// The most entries the history keeps; beyond it the oldest are dropped.
inline constexpr short historiquemax = 4000;

// Record the action "v<value>,<cell>" (kind 1) or "/v<value>,<cell>" (kind 2)
// with ajoute; any other kind records nothing. A placement lists after them
// the cells whose pencil mark of the value it removed ("v3,17,12,40"), so
// that its undo and redo put them back and remove them again. Every entry
// stays, a value erased right after it was entered included, so that undoing
// walks back exactly through the positions the player saw (as far as the
// historiquemax latest entries reach). The position ends at the last entry.
void memorisaction(defairefaire& history, short kind, short value, short cell,
                   const std::vector<short>& nettoyees = {});

// Record pencil marks changed in one step: per cell, the mask of the values
// whose mark toggled ("m17,5,18,40": cell 17 toggled 1 and 3, cell 18 4 and
// 6). Undoing and redoing it toggles them again. Nothing for an empty list.
void memorisemarques(defairefaire& history, const std::vector<std::pair<short, short>>& basculees);

// Direction 5 redoes, 6 undoes one step of the history on the grid's cell
// values (setcaseval, no propagation): a redone placement or an undone
// erasure puts the value back, the two others empty the cell; the pencil
// marks a placement removed are put back by its undo, removed by its redo. Returns whether
// a step was applied (false at either end, or for another direction).
bool refaitaction(defairefaire& history, clagrivora& grid, short direction);
