// The commands that open the guide and the game's files in the user's
// default viewer. All but the guide save the game first.
#pragma once

void comando_VisualizzaGuida();
void comando_VisualizzaPartitaPgn();
void comando_VisualizzaListaMosse();
void comando_VisualizzaPartitaLog();
void comando_VisualizzaPartitaHtml();
