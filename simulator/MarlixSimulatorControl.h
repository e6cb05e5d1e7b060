/* The simulator's control entry point, for tests running in the same process as the
 * driver library. It takes the commands of marlix-simctl ("help" lists them).
 * Returns 0 on success; otherwise non-zero with one line naming the fault in *output.
 * *output (if output is not null) is malloc'ed; the caller frees it. */
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

int MarlixSimulatorControl(const char* command, char** output);

typedef int (*MarlixSimulatorControlFunction)(const char* command, char** output);

#define MARLIX_SIMULATOR_CONTROL_ENTRY "MarlixSimulatorControl"

#ifdef __cplusplus
}
#endif
