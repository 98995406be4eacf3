#pragma once
// The Linux side of the windowing layer. The windows were laid out in fixed pixels for a
// small 8-point UI font; these calls give GTK the same proportions.

namespace luvo {

// Before the toolkit starts: use the X11 backend, where drawing through client device
// contexts outside paint events (done at every recomputation) reaches the screen at once.
void PrepareDisplayBackend();

// After the toolkit started: the small UI font and compact control paddings, and a numeric
// locale with a decimal point for everything that still formats through the C library.
void ApplyUiStyle();

}  // namespace luvo
