#pragma once
// How the toolkit's windows and widgets hand messages to the platform's queue.
#include <cstdint>
#include <functional>

#include "Messages.h"

// Posts a message to the main window.
using PostMessage = std::function<void(std::uint32_t message, WPARAM wParam, LPARAM lParam)>;
// A control's report to its parent window; the platform fills in the message number and
// the control's handle.
using Notify = std::function<void(WPARAM wParam)>;

// Buttons and check boxes answer the left mouse button only, as Windows buttons do: a mouse
// event of another button is taken and ignored.
bool isOtherThanLeftButton(int event);
