# Fills in quorvane.rc and the manifest; sets QUORVANE_RESOURCE_FILE.
# The look was designed with the classic common controls: the skin draws buttons,
# check boxes and option buttons itself, and under Wine the windows look the same
# pixel for pixel with version 6. On Windows, version 6 would give the controls the
# skin leaves alone (list headers, scroll bars, up-downs) the system theme instead.
option(QUORVANE_COMMON_CONTROLS_6 "Declare the version 6 common controls in the manifest" OFF)
if(QUORVANE_COMMON_CONTROLS_6)
  set(QUORVANE_MANIFEST_COMMON_CONTROLS [=[
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
                        processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>]=])
else()
  set(QUORVANE_MANIFEST_COMMON_CONTROLS "")
endif()

set(QUORVANE_MANIFEST_FILE ${QUORVANE_GENERATED_DIR}/quorvane.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quorvane.manifest.in ${QUORVANE_MANIFEST_FILE} @ONLY)
set(QUORVANE_RESOURCE_FILE ${QUORVANE_GENERATED_DIR}/quorvane.rc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quorvane.rc.in ${QUORVANE_RESOURCE_FILE} @ONLY)
set_source_files_properties(${QUORVANE_RESOURCE_FILE} PROPERTIES
  OBJECT_DEPENDS "${QUORVANE_ICON_FILE};${QUORVANE_MANIFEST_FILE}")
