#pragma once

class TCanvas;
class TControl;

// Paints into canvas, as if the canvas were control's client area, what the control's parent
// shows behind it: the parent's own painting (no background erase, no children), then the visible
// windowless siblings below the control in paint order that overlap it. Windowed siblings and
// siblings above the control are left out; a control without a parent gets nothing.
void PaintParentBackground(TControl& control, TCanvas& canvas);
