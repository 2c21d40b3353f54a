#pragma once

// Makes the controls known to the class registry by name, so that form data can create them.
// Part of the program's start-up, before any form is read; calling it again does no harm.
void RegisterControlClasses();
