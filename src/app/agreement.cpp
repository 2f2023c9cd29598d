#include "app/agreement.hpp"

void ensureAgreement() {}
