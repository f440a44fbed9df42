<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>极轴镜</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>极轴校准</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>自动归零</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>相机控制</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
</context>
<context>
    <name>AdvancedPage</name>
    <message>
        <source>ppm</source>
        <translation>ppm</translation>
    </message>
    <message>
        <source>Auxiliary Encoder</source>
        <translation>辅助编码器</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>导星速度 赤经/方位</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>导星速度 赤纬/高度</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>翻转模式</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>不翻转（一次）</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>强制翻转（一次）</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>观测太阳</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>校准补偿</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>速度补偿（±ppm）</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>调节精度</translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation>0.125×恒星速</translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation>0.25×恒星速</translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation>0.5×恒星速</translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation>0.75×恒星速</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>恒星速</translation>
    </message>
</context>
<context>
    <name>AlignCompensationPage</name>
    <message>
        <source>ID(arcmin)</source>
        <translation>ID（角分）</translation>
    </message>
    <message>
        <source>CH(arcmin)</source>
        <translation>CH（角分）</translation>
    </message>
    <message>
        <source>NP(arcmin)</source>
        <translation>NP（角分）</translation>
    </message>
    <message>
        <source>Mel(arcmin)</source>
        <translation>Mel（角分）</translation>
    </message>
    <message>
        <source>Maz(arcmin)</source>
        <translation>Maz（角分）</translation>
    </message>
    <message>
        <source>Tilt(arcmin)</source>
        <translation>倾斜（角分）</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>开始校准</translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation>高度超出限制。</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>位于%1的最后一颗星不适合作校准星</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>正在等待同步命令…</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>已校准星</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>无已校准星</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>单星校准</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>亮星校准</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>北向水平校准</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>两星校准</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>三星校准</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>同步校准</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>重置校准</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>支架</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>确定要重置校准吗？</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>寻星高度上限</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>寻星高度下限</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>星表过滤</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>启用星表过滤后，低于寻星高度下限的天体将从星表中滤除。</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>赤纬偏移（度）</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>正在自动归零…</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>不支持自动归零</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
</context>
<context>
    <name>BacklashPage</name>
    <message>
        <source>Azimuth/R.A.</source>
        <translation>方位/赤经</translation>
    </message>
    <message>
        <source>Altitude/Dec</source>
        <translation>高度/赤纬</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>定时</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>B门</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>曝光组</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>B门快门</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>支架没有响应。</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>快门可能仍处于打开状态。</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>支架未接受快门指令。</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>曝光已停止。</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>CenteringPage</name>
    <message>
        <source>Manually Center</source>
        <translation>手动居中</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>连接设置</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>AZ/EQ两用支架</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>每次询问</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>用作赤道仪</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>用作经纬仪</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>启动时连接</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>BLE</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>模拟器</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>搜索设备</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>固定IP</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>重发次数</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>读取超时（毫秒）</translation>
    </message>
</context>
<context>
    <name>DeepSkyMenu</name>
    <message>
        <source>Messier</source>
        <translation>Messier</translation>
    </message>
    <message>
        <source>Caldwell</source>
        <translation>Caldwell</translation>
    </message>
    <message>
        <source>NGC</source>
        <translation>NGC</translation>
    </message>
    <message>
        <source>IC</source>
        <translation>IC</translation>
    </message>
    <message>
        <source>Named Deep Sky Object</source>
        <translation>命名深空天体</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>寻星</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>更多…</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>轨迹点测试</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>经纬仪跟踪</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>曝光组</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>张数</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>曝光（秒）</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>间隔（秒）</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>休眠数据已保存</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>无休眠数据</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>在当前位置</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>在零位</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>休眠会在关闭支架电源前，将支架的状态保存到应用中。</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>休眠前可以选择将支架转到零位。</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>支架</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>休眠数据已保存。现在可以关闭支架电源。如果改为移动支架，休眠数据将被删除。</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>望远镜指向</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>设备朝向</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>坐标</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>方位/高度</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>赤经/赤纬</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>附近天体</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>无定位传感器</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>无权限</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>无信号</translation>
    </message>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>E</source>
        <translation>东</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>观测地</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>使用定位传感器</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>观测地已更新</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>请输入观测地</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>位置传感器尚未提供位置。请在“设置”中的“观测地”页面输入纬度和经度：在此之前，位置将按该页面显示的观测地计算。</translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
</context>
<context>
    <name>Location_SignInput</name>
    <message>
        <source>North</source>
        <translation>北纬</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西经</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南纬</translation>
    </message>
    <message>
        <source>East</source>
        <translation>东经</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>星等过滤</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>恒星极限星等</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>其他极限星等</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>恒星</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>深空天体</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>用户天体</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>离太阳太近</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>高度超出限制</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>寻星</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>寻星并跟踪</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>共享我的指向模型</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>我的校准</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>默认校准</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>来自其他%1的指向模型</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>指向模型共享</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>从其他设备加载指向模型并覆盖本地数据？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>极轴时钟</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>极轴镜照明</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>北半球</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>南半球</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>未找到设备</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>恒星</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>星等</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>过滤</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>星表下载</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>上次更新</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>来源：IAU小行星中心</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
</context>
<context>
    <name>PopupGoTo</name>
    <message>
        <source>Go To</source>
        <translation>寻星</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>支架没有响应，可能仍在移动。</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>停止命令尚未送达支架：它可能仍在移动。停止命令会一直重发，直到支架响应。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>存在休眠数据。是否将状态恢复到支架？</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>经纬仪模式</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>赤道仪模式</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>危险</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>切勿用望远镜直接观看太阳，否则会造成永久性眼部损伤。观看太阳时，请使用牢固安装在望远镜前端的合格太阳滤镜。观测太阳时，请给寻星镜盖上防尘盖或将其取下，以免意外暴露于阳光。切勿使用目镜式太阳滤镜，也切勿用望远镜将阳光投射到其他表面上，内部积聚的热量会损坏望远镜的光学元件。</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>确认允许观测太阳？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>停止命令尚未送达支架：它可能仍在移动。退出后，不会再重发停止命令。</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>留下</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>仍然退出</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>快门关闭前连接已断开：快门可能仍处于打开状态。请重新连接以关闭它。</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>关闭快门的命令尚未送达支架：快门可能仍处于打开状态。退出后，不会再重发该命令。</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>PPEC训练</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>不支持</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>所需训练时间</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
</context>
<context>
    <name>ProfileListPane</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>用户界面</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>连接设置</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Quorvel Wi-Fi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>观测地</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>高度限制</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>回差</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级设置</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>太阳系</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>命名恒星</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>双星</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>彗星</translation>
    </message>
</context>
<context>
    <name>StartNotice</name>
    <message>
        <source>Waiting for the running program</source>
        <translation>正在等待运行中的程序</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>使用此数据文件夹运行的程序没有响应，也没有退出。请先结束它，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>程序已在使用此数据文件夹运行，但尚未响应。它一响应或退出，就会打开窗口。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>计算机 %1 上的程序占用着此数据文件夹，且没有退出。请在那台计算机上结束它。如果它已不在那里运行，请删除文件 %2，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>程序正在计算机 %1 上使用此数据文件夹运行。它在那里一退出，就会打开窗口。</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>另一个安装以本计算机的名称 %1 占用着此数据文件夹：可能是本计算机以前的安装，也可能是另一台同名的计算机。如果程序没有在其他计算机上运行，请删除文件 %2，然后重新启动程序。</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>另一个安装以本计算机的名称 %1 占用着此数据文件夹：可能是本计算机以前的安装，也可能是另一台同名的计算机。文件夹一空出来，就会打开窗口。</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>另一个用户 %1 的程序占用着此数据文件夹。请结束它，或请该用户结束它。如果它已不再运行，请删除文件 %2，然后重新启动程序。</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>另一个用户 %1 的程序正在使用此数据文件夹运行。它一退出，就会打开窗口。</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>为避免眼睛受伤，请仅使用经过认证的太阳望远镜观看太阳。</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>深空天体</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>行星</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>双星</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>不跟踪</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>恒星速</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>月球速</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>太阳速</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>寻星并跟踪</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>PPEC回放</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>回放最多需要%n分钟才能稳定</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>支架没有响应。</translation>
    </message>
</context>
<context>
    <name>TrailPointsPopup</name>
    <message>
        <source>Go To</source>
        <translation>正在寻星</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>跟踪中</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>警告：赤道仪翻转模式为手动</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>请稍候</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>夜间模式</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>底栏边距</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>屏幕常亮</translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation>天体</translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation>地面目标</translation>
    </message>
</context>
<context>
    <name>UserObjectsPage</name>
    <message>
        <source>Go To</source>
        <translation>寻星</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>目标名称</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>当前目标</translation>
    </message>
    <message>
        <source>R.A.</source>
        <translation>赤经</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>赤纬</translation>
    </message>
    <message>
        <source>JNow</source>
        <translation>JNow</translation>
    </message>
    <message>
        <source>J2000</source>
        <translation>J2000</translation>
    </message>
    <message>
        <source>Axis1</source>
        <translation>轴1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>轴2</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>目标列表</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>未保存：没有显示位置。请连接支架，或输入一个位置。</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>未保存：位置只输入了一半。缺少：%1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the two rows of a position that lack a value</comment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>UserObjectsPane</name>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
</context>
<context>
    <name>UserObjects_DmsInput</name>
    <message>
        <source>h</source>
        <translation>时</translation>
    </message>
    <message>
        <source>m</source>
        <translation>分</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>UtilityMenu</name>
    <message>
        <source>Opening page in external app...</source>
        <translation>正在外部应用中打开页面…</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>跟踪</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>今晚最佳</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>指向寻星</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>识别天体</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>模型共享</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级功能</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>无法打开帮助页面：此设备上没有可打开网页的程序。</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fi网络</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已禁用</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>已通过%1网络连接</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>站点</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>接入点</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>修改接入点</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>接入点模式</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>读取默认AP设置</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全类型</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>开放</translation>
    </message>
    <message>
        <source>WPA PSK</source>
        <translation>WPA PSK</translation>
    </message>
    <message>
        <source>WPA2 PSK</source>
        <translation>WPA2 PSK</translation>
    </message>
    <message>
        <source>WPA/WPA2 PSK</source>
        <translation>WPA/WPA2 PSK</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>修改站点</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>站点模式</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>（不可用）</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID和密码均区分大小写</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>使用DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>固定IP</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>读取设置</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>设置已写入</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>设置写入失败</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>已写入中间Wi-Fi设置。</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>请将Wi-Fi重新连接到%1网络。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>支架没有响应。</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>Wi-Fi模块拒绝提供其设置。</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>否定应答</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信错误</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>操作已取消</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>意外应答</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>无法连接</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>无法检测支架模式</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>正在断开连接</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>正在搜索</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>搜索完成</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>无法打开串口</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>已加载校准数据和观测地</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>停放位置</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>休眠数据已删除</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>别名</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>星座</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>拜耳命名</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>角距（角秒）</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>位置角（度）</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>极大星等</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>极小星等</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>周期（天）</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Messier编号</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Caldwell编号</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>NGC编号</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>IC编号</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>距离（AU）</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>近日点距离（AU）</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>偏心率</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>两星校准</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>三星校准</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>亮星校准</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>北向水平校准</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>单星校准</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>方位</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>恒星</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>深空天体</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>太阳系</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>设备朝向</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>高度超出限制</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>离太阳太近</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>星等</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>指向模型与支架不匹配</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>指向模型已加载</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>当前目标</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>选择第一颗星</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>选择第二颗星</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>选择第三颗星</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>请将望远镜调至水平并指向北方。</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>评分</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>尚无Mel、Maz测量值。请进行两星或三星校准。</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>选择极轴校准星</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>错误：无法读取轴坐标</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>调整支架的%s，使星体位于目镜视野中心</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>校准数据更新失败</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>极轴校准完成</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>当地经度</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>当地时间</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>北极星位置 </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>南极座位置</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>坐标</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>方位/高度</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>时角/赤纬</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>赤经/赤纬</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>轴</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>北极星</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>时钟位置</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>时角</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>LMST</source>
        <translation>地方恒星时</translation>
    </message>
    <message>
        <source>GMST</source>
        <translation>格林尼治恒星时</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>当地时间</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>格林尼治时间</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>NP</source>
        <translation>NP</translation>
    </message>
    <message>
        <source>Mel</source>
        <translation>Mel</translation>
    </message>
    <message>
        <source>Maz</source>
        <translation>Maz</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>倾斜</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>App</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>电机板</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>基本信息</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>赤经/赤纬（当前）</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>赤经/赤纬（J2000）</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>时角/赤纬（视位置）</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>方位/高度（视位置）</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>可见性</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>升起时间</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>中天时间</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>落下时间</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>始终在地平线以上</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>始终在地平线以下</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>支架已被转向别处：未记录任何内容</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>支架已重新启动：已无法得知它指向何处。请重新连接，然后停放、归零或校准。</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>支架未接受跟踪：跟踪已关闭。</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>支架没有响应，可能仍在移动。停止命令会一直重发，直到它响应。</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>寻星已放弃：支架已 %1 秒没有进展。它没有响应，或者响应已损坏。</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>连接过程中支架重新启动了。请重新连接。</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>停止命令送达支架之前连接已断开：它可能仍在移动。请重新连接以停止它。</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>支架没有响应。</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>同类支架的设置曾被中断：无法得知它指向何处。请停放、归零或校准。</translation>
    </message>
</context>
</TS>
