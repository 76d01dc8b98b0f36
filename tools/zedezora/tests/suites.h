#pragma once

// Each suite runs its QtTest class and returns the number of failed cases.
int runHelpFileTests(int argc, char** argv);
