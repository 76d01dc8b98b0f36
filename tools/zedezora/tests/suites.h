#pragma once

// Each suite runs its QtTest class and returns the number of failed cases.
int runTopicTests(int argc, char** argv);
int runHelpFileTests(int argc, char** argv);
int runWindowTests(int argc, char** argv);
