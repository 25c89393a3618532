#pragma once

#include "app/ShellNeighbours.h"

namespace corvane {

// Stand-ins for the parts of the program that later work brings: the net
// document and view (an empty sheet of paper), the Communication Window
// (an empty window that answers the main frame), the trending and web
// documents, the value cache and the display-controls binding. They let
// the shell start and be tried out; each is replaced by the real one.
ShellNeighbours MakePlaceholderNeighbours();

}  // namespace corvane
