<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdvancedPage</name>
    <message>
        <source>ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auxiliary Encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlignCompensationPage</name>
    <message>
        <source>ID(arcmin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH(arcmin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NP(arcmin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mel(arcmin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maz(arcmin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilt(arcmin)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BacklashPage</name>
    <message>
        <source>Azimuth/R.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude/Dec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CenteringPage</name>
    <message>
        <source>Manually Center</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeepSkyMenu</name>
    <message>
        <source>Messier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caldwell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NGC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named Deep Sky Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Location_SignInput</name>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupGoTo</name>
    <message>
        <source>Go To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileListPane</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrailPointsPopup</name>
    <message>
        <source>Go To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserObjectsPage</name>
    <message>
        <source>Go To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JNow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserObjectsPane</name>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserObjects_DmsInput</name>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UtilityMenu</name>
    <message>
        <source>Opening page in external app...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA2 PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA/WPA2 PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Risposta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operazione annullata</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Risposta inattesa</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Impossibile connettersi</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Impossibile rilevare la modalità della montatura</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Disconnessione</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Park target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
