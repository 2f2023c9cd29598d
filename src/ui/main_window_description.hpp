#pragma once
#include "platform/window_description.hpp"

const WindowDescription& mainWindowDescription();
