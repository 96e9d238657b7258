#pragma once

// Makes the setup components known to window definitions by class name.
void RegisterSetupControls();
