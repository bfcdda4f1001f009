# Read by CPack once per package kind: the .deb installs the program folder into /opt/vantrel;
# the .tar.gz holds it at its top.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_PACKAGING_INSTALL_PREFIX /opt/vantrel)
endif()
