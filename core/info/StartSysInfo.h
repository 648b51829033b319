#pragma once

// Starts the system information tool that the registry names, or says it is unavailable.
void StartSysInfo();
