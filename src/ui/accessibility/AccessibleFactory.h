// SPDX-License-Identifier: MIT
#pragma once

// Makes the widgets that paint their own parts known to assistive tools
// (screen readers); once per program, before the first such widget is asked for.
namespace AccessibleFactory {

void install();

} // namespace AccessibleFactory
