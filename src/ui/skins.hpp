#pragma once

bool switchSkin(int code);
