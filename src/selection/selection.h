// Cable selection on the "Cables" page: the family listing, the selection rules and their
// messages, removal, the weight total, the hand-typed bundle diameter and the page-change
// check for a carrying cable.
#pragma once

#include "selection/cable_selection.h"
#include "selection/family_listing.h"
#include "selection/manual_bundle_diameter.h"
#include "selection/page_change.h"
