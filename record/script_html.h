// The replay script html/files/script.js that the replay page reads:
//
//   (empty line)(empty line)
//       var InfoPartita = "<event, round><br /><players and result>";
//   (empty line)
//       var ContatoreMosse = <plies>;
//       var lingua = <0 Italian, 1 English, 2 Spanish>;
//       var partita = [
//   <tab>"<board before the first move>",
//   <tab>"<board after ply 1>", ... one per ply
//   <tab>];
//       var UltimaMossa = [
//   <tab>"<'initial position' in the language>",
//   <tab>"<move text of ply 1>", ...
//   <tab>];
//
// A board is 64 characters from a8 to h1, rank by rank: "0" for an empty
// square, "pnbrqk" for black men and "PNBRQK" for white ones. Every value is
// a JavaScript string literal, escaped whatever the user typed.
#pragma once

#include <cstdint>
#include <string>

// The script text. It replays the game on a private board built from the
// move words, so the game, the board and the move lists are left alone.
std::string TestoScriptHtml();
// A JavaScript string literal (quotes included) holding testo exactly.
std::string StringaJs(const std::string& testo);
// The boards of the game, first the one before the first move, then one per
// ply, computed from the current board and the move words.
std::string ScacchiereDellaPartita();
