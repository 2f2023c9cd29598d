#pragma once
// The edit-box operations used on the answer box; one instance lives in AppState.
class EditBoxOps {};
