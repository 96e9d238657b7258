// Holds the embedded files of the program; see CMakeLists.txt.
