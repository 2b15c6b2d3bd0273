// The one file of the target that compiles the Windows tests' precompiled header.
