#pragma once

void ensureAgreement();
