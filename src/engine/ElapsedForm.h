#pragma once
// The two forms of the elapsed figure. A click on the figure shows the other
// one until the next refresh, and the copied report follows what is shown.

enum class ElapsedForm {
    Calendar,  // years, months, days, hours and minutes
    Days,      // days, hours and minutes
};
