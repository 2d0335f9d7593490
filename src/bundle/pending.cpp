// Placeholders until the bundle computation lands; the bundle's own files replace them.
#include "bundle/bundle_diameter.h"
#include "bundle/bundle_plot.h"

namespace cn3 {
void ComputeBundleDiameter(Program&) {}
void ShowBundlePlot(Program&) {}
void DrawBundle(Program&) {}
void WireBundleEvents(Program&) {}
}  // namespace cn3
