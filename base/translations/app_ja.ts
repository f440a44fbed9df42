<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>極軸望遠鏡</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>極軸合わせ</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>自動ホーム</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>カメラ制御</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
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
        <translation>補助エンコーダー</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>ガイド速度 赤経/方位</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>ガイド速度 赤緯/高度</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>反転モード</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>反転しない（1回）</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>強制反転（1回）</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>太陽観測</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>アライメント補正</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>速度補正（±ppm）</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>調整分解能</translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation>0.125×恒星時</translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation>0.25×恒星時</translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation>0.5×恒星時</translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation>0.75×恒星時</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>恒星時</translation>
    </message>
</context>
<context>
    <name>AlignCompensationPage</name>
    <message>
        <source>ID(arcmin)</source>
        <translation>ID（分角）</translation>
    </message>
    <message>
        <source>CH(arcmin)</source>
        <translation>CH（分角）</translation>
    </message>
    <message>
        <source>NP(arcmin)</source>
        <translation>NP（分角）</translation>
    </message>
    <message>
        <source>Mel(arcmin)</source>
        <translation>Mel（分角）</translation>
    </message>
    <message>
        <source>Maz(arcmin)</source>
        <translation>Maz（分角）</translation>
    </message>
    <message>
        <source>Tilt(arcmin)</source>
        <translation>傾き（分角）</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>アライメント開始</translation>
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
        <translation>高度が制限範囲外です。</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>%1の最後の星はアライメントに適していません</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>同期コマンドを待っています…</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>アライメント済みの星</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>アライメント済みの星なし</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>1星アライメント</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>輝星アライメント</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>北・水平アライメント</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>2星アライメント</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>3星アライメント</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>同期でアライメント</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>アライメントをリセット</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>架台</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>アライメントをリセットしますか？</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>導入上限高度</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>導入下限高度</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>カタログフィルター</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>カタログフィルターを有効にすると、導入下限高度より低い天体をカタログから除外します。</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>赤緯オフセット（度）</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>自動ホーム実行中…</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>自動ホームに非対応</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
</context>
<context>
    <name>BacklashPage</name>
    <message>
        <source>Azimuth/R.A.</source>
        <translation>方位/赤経</translation>
    </message>
    <message>
        <source>Altitude/Dec</source>
        <translation>高度/赤緯</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>バルブ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>露出グループ</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>バルブシャッター</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>架台が応答しません。</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>シャッターがまだ開いている可能性があります。</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>架台がシャッターのコマンドを受け付けませんでした。</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>露出を停止しました。</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>追加</translation>
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
        <translation>手動センタリング</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>接続設定</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>AZ/EQ両用架台</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>毎回確認</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>赤道儀で使用</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>経緯台で使用</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>起動時に接続</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>BLE</source>
        <translation>BLE</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>エミュレーター</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>デバイス検索</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>固定IP</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>シリアルポート</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>再送回数</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>読取タイムアウト（ms）</translation>
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
        <translation>名前付き星雲・星団</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>導入</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>その他…</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>軌跡点テスト</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>経緯台追尾</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>露出グループ</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>枚数</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>露出（秒）</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>撮影間隔（秒）</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>ハイバネートデータ保存済み</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>ハイバネートデータなし</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>現在の位置で</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>ホーム位置で</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>ハイバネートは、架台の電源を切る前に架台の状態をアプリに保存します。</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>ハイバネートの前に、架台をホーム位置へ移動させることもできます。</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>架台</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>ハイバネートデータを保存しました。架台の電源を切ってかまいません。電源を切らずに架台を動かすと、ハイバネートデータは削除されます。</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>望遠鏡の向き</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>端末の向き</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>座標</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>方位/高度</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>赤経/赤緯</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>付近の天体</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>位置センサーなし</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>権限なし</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>信号なし</translation>
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
        <translation>東</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>観測地</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>位置センサーを使用</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>観測地を更新しました</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>観測地を入力してください</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>位置センサーから位置が得られていません。「設定」の「観測地」ページで緯度と経度を入力してください。入力するまでは、そこに表示されている観測地で位置を計算します。</translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
</context>
<context>
    <name>Location_SignInput</name>
    <message>
        <source>North</source>
        <translation>北緯</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西経</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南緯</translation>
    </message>
    <message>
        <source>East</source>
        <translation>東経</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>等級フィルター</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>恒星の限界等級</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>その他の限界等級</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>アライメント</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>恒星</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>星雲・星団</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>ユーティリティ</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>ユーザー天体</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>太陽に近すぎます</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>高度が制限範囲外です</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>導入</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>導入して追尾</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>ポインティングモデルを共有</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>自分のアライメント</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>既定のアライメント</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>他の%1のポインティングモデル</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>ポインティングモデル共有</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>別のデバイスからポインティングモデルを読み込み、ローカルのデータを上書きしますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>極軸時計</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>極軸望遠鏡照明</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
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
        <translation>デバイスが見つかりません</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>恒星</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>等級</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>カタログのダウンロード</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>最終更新</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>出典：IAU小惑星センター</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>ダウンロードに失敗しました</translation>
    </message>
</context>
<context>
    <name>PopupGoTo</name>
    <message>
        <source>Go To</source>
        <translation>導入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>架台が応答しません。まだ動いている可能性があります。</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>停止中…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>停止コマンドが架台に届いていません。まだ動いている可能性があります。架台が応答するまで再送します。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>ハイバネートデータがあります。架台の状態を復元しますか？</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データを消去</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>経緯台モード</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>赤道儀モード</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>危険</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>望遠鏡で太陽を直接見ないでください。目に回復不能な障害が残ります。太陽を見るときは、望遠鏡の前面にしっかりと取り付けた適切な太陽フィルターを使用してください。太陽を観測するときは、誤って太陽光を見ないように、ファインダーにキャップをかぶせるか取り外してください。アイピース型の太陽フィルターは絶対に使用しないでください。また、望遠鏡で太陽光を別の面に投影しないでください。内部にこもる熱で望遠鏡の光学素子が損傷します。</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>太陽の観測を許可しますか？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>停止コマンドが架台に届いていません。まだ動いている可能性があります。終了すると、停止コマンドは再送されません。</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>残る</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>それでも終了</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>シャッターが閉じる前に切断されました。まだ開いている可能性があります。閉じるには再接続してください。</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>シャッターを閉じるコマンドが架台に届いていません。シャッターがまだ開いている可能性があります。終了すると、このコマンドは再送されません。</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>PPEC学習</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>対応</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>非対応</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>必要な学習時間</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
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
        <translation>編集</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>UI設定</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>接続設定</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Quorvel Wi-Fi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>観測地</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>高度制限</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>バックラッシュ</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>太陽系</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>名前付き恒星</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>二重星</translation>
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
        <translation>実行中のプログラムを待っています</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>このデータフォルダーで実行中のプログラムが応答せず、終了もしません。そのプログラムを終了してから、もう一度起動してください。</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>このデータフォルダーでプログラムがすでに実行中ですが、まだ応答がありません。応答するか終了すると、ウィンドウが開きます。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>コンピューター%1のプログラムがこのデータフォルダーを使用中で、終了しません。そのコンピューターで終了してください。そこでもう実行されていない場合は、ファイル%2を削除してください。その後、もう一度起動してください。</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>プログラムがコンピューター%1でこのデータフォルダーを使って実行中です。そこで終了すると、ウィンドウが開きます。</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>このデータフォルダーは、このコンピューターの名前%1で別のインストールが使用中です。このコンピューターの以前のインストールか、同じ名前の別のコンピューターです。ほかのどのコンピューターでもプログラムが実行されていない場合は、ファイル%2を削除してください。その後、もう一度起動してください。</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>このデータフォルダーは、このコンピューターの名前%1で別のインストールが使用中です。このコンピューターの以前のインストールか、同じ名前の別のコンピューターです。空くとすぐに、ウィンドウが開きます。</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>このデータフォルダーは、別のユーザー%1のプログラムが使用中です。そのプログラムを終了するか、そのユーザーに終了を頼んでください。もう実行されていない場合は、ファイル%2を削除してください。その後、もう一度起動してください。</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>別のユーザー%1のプログラムが、このデータフォルダーを使って実行中です。終了すると、ウィンドウが開きます。</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>目の障害を防ぐため、太陽を見るときは必ず認定を受けた太陽望遠鏡を使用してください。</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>星雲・星団</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>惑星</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>二重星</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>追尾なし</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>恒星時</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>太陽時</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>導入して追尾</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>PPEC再生</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>再生が安定するまで最大%n分かかります</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>架台が応答しません。</translation>
    </message>
</context>
<context>
    <name>TrailPointsPopup</name>
    <message>
        <source>Go To</source>
        <translation>導入中</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>追尾中</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>警告：赤道儀の反転モードが手動です</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>お待ちください</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>ナイトモード</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>フッター余白</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>バイブレーション</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>画面を常にオン</translation>
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
        <translation>地上目標</translation>
    </message>
</context>
<context>
    <name>UserObjectsPage</name>
    <message>
        <source>Go To</source>
        <translation>導入</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>目標名</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>現在の目標</translation>
    </message>
    <message>
        <source>R.A.</source>
        <translation>赤経</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>赤緯</translation>
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
        <translation>第1軸</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>第2軸</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>目標一覧</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>保存していません：位置が表示されていません。架台を接続するか、位置を入力してください。</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>保存していません：位置の入力が途中です。未入力：%1</translation>
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
        <translation>読み込み</translation>
    </message>
</context>
<context>
    <name>UserObjects_DmsInput</name>
    <message>
        <source>h</source>
        <translation>時</translation>
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
        <translation>外部アプリでページを開いています…</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>追尾</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>今夜のおすすめ</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>端末で導入</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>天体同定</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>ハイバネート</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>モデル共有</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>拡張機能</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>ヘルプページを開けません: ウェブページを開くプログラムがありません。</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fiネットワーク</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>%1ネットワーク経由で接続済み</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>ステーション</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>アクセスポイント</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>アクセスポイントを変更</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>APモード</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>既定のAP設定を読み込む</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>オープン</translation>
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
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>ステーションを変更</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>ステーションモード</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>（利用不可）</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSIDとパスワードは大文字と小文字が区別されます</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>DHCPを使用</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>固定IP</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>設定を読み込む</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>設定を書き込みました</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>設定の書き込みに失敗しました</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>中間のWi-Fi設定を書き込みました。</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Wi-Fiを%1ネットワークに再接続してください。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>架台が応答しません。</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>Wi-Fiモジュールが設定の読み出しを拒否しました。</translation>
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
        <translation>否定応答</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>操作がキャンセルされました</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>予期しない応答</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>接続できません</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>架台モードを検出できません</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>切断中</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>検索中</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>検索完了</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>接続失敗</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>シリアルポートを開けません</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>アライメントデータと観測地を読み込みました</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>パーク位置</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>ハイバネートデータを削除しました</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>別名</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>星座</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>バイエル符号</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>離角（秒角）</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>位置角（度）</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>極大等級</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>極小等級</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>周期（日）</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Messier番号</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Caldwell番号</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>NGC番号</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>IC番号</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>距離（AU）</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>近日点距離（AU）</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>離心率</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>2星アライメント</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>3星アライメント</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>輝星アライメント</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>北・水平アライメント</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>1星アライメント</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
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
        <translation>星雲・星団</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>太陽系</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>端末の向き</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>高度が制限範囲外です</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>太陽に近すぎます</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>等級</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>ポインティングモデルが架台と一致しません</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>ポインティングモデルを読み込みました</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>現在の目標</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>1番目の星を選択</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>2番目の星を選択</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>3番目の星を選択</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>望遠鏡を水平にして北に向けてください。</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>評価</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Mel・Mazの測定値がありません。2星または3星アライメントを行ってください。</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>極軸合わせの星を選択</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>エラー：軸座標を読み取れません</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>架台の%sを調整して、星をアイピースの中心に入れてください</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>アライメントデータの更新に失敗しました</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>極軸合わせが完了しました</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>現地の経度</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>現地時刻</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>北極星の位置 </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>はちぶんぎ座の位置</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>座標</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>方位/高度</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>時角/赤緯</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>赤経/赤緯</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>軸</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>北極星</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>時計位置</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>時角</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>LMST</source>
        <translation>地方恒星時</translation>
    </message>
    <message>
        <source>GMST</source>
        <translation>グリニッジ恒星時</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>現地時刻</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>グリニッジ時刻</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>アライメント</translation>
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
        <translation>傾き</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>App</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>モーター基板</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>基本情報</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>赤経/赤緯（現在）</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>赤経/赤緯（J2000）</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>時角/赤緯（視位置）</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>方位/高度（視位置）</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>出没</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>出の時刻</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>南中時刻</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>入りの時刻</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>常に地平線の上</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>常に地平線の下</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>架台が別の場所へ移動されました：何も記録されていません</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>架台が再起動しました。どこを向いているか分からなくなりました。もう一度接続してから、パーク、ホーム（位置）への移動、またはアライメントを行ってください。</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>架台は追尾を受け付けませんでした：追尾はオフです。</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>架台が応答せず、まだ動いている可能性があります。応答があるまで停止コマンドを再送します。</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>導入を中止しました：架台が %1 秒間進んでいません。応答がないか、応答が壊れています。</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>接続中に架台が再起動しました。もう一度接続してください。</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>停止コマンドが架台に届く前に接続が終了しました。まだ動いている可能性があります。停止するには再接続してください。</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>架台が応答しません。</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>同じ種類の架台の設定が中断されました。どこを向いているか分かりません。パーク、ホーム（位置）への移動、またはアライメントを行ってください。</translation>
    </message>
</context>
</TS>
