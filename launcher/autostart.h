#pragma once

// Sets the suite's automatic start off in its INI file, only where the file exists: the
// launcher never creates it. Raises EIniFileException when the system refuses the write.
void SwitchAutoStartOff();
