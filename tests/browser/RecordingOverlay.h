#pragma once

#include <string>
#include <vector>

// Every payload the overlay's login handler received, in order.
std::vector<std::u16string>& receivedLogins();
