// The one log object of the library, made at start-up and deleted at unload.
#pragma once

// Replaces a log made before with a new one; when memory runs out there is no log.
void CreateSysLog();
void DeleteSysLog();
