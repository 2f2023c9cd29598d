#include "ui/skins.hpp"

bool switchSkin(int) {
    return true;
}
