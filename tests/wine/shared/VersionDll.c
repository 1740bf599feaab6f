/* Body of the resource-carrying test libraries: they exist only for their
   version resources. */
int verinfo_library;
