#pragma once
// How "Diskretisierung" reaches the flap view "Klappenausschlag": it opens the view, or refreshes
// the open one, with each new wing grid, and closes it when it closes itself.

#include <memory>

class Panel3dModel;

// Opens the flap view with this model, or hands the model to the open view; either way the view
// draws its sections and is shown (not centred). The view holds the model until it is given
// another one or closes.
void Panel3dShowFlapView(const std::shared_ptr<Panel3dModel>& model);

// Closes an open flap view and clears its open flag; nothing when none is open.
void Panel3dCloseFlapView();
