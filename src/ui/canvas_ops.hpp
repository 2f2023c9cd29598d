#pragma once
// The drawing operations on a window; one instance lives in AppState.
class CanvasOps {};
