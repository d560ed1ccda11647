<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</translation>
    </message>
    <message>
        <source>This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.</source>
        <translation>This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;System Information…</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>System information is not available.</translation>
    </message>
    <message>
        <source>Free software: GPL-3.0-or-later</source>
        <translation>Free software: GPL-3.0-or-later</translation>
    </message>
</context>
<context>
    <name>AccessibleLevelMeter</name>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>left %1%, right %2%</source>
        <translation>left %1%, right %2%</translation>
    </message>
</context>
<context>
    <name>AssociationStore</name>
    <message>
        <source>The associations in %1 were not read: %2. The file is left as it is.</source>
        <translation>The associations in %1 could not be read: %2. The file was left unchanged.</translation>
    </message>
    <message>
        <source>The associations could not be written to %1: %2.</source>
        <translation>The associations could not be saved to %1: %2.</translation>
    </message>
    <message>
        <source>The associations in %1 could not be read: %2. The damaged file is kept as %3 and a new one was written.</source>
        <translation>The associations in %1 could not be read: %2. The damaged file was kept as %3 and a new one was saved.</translation>
    </message>
    <message>
        <source>The damaged associations in %1 could not be kept as %2: %3. The file is left as it is.</source>
        <translation>The damaged associations in %1 could not be kept as %2: %3. The file was left unchanged.</translation>
    </message>
    <message>
        <source>it holds no keys</source>
        <translation>it contains no keys</translation>
    </message>
</context>
<context>
    <name>ControlGallery</name>
    <message>
        <source>Kestrove controls</source>
        <translation>Kestrove Controls</translation>
    </message>
    <message>
        <source>Slider</source>
        <translation>Slider</translation>
    </message>
    <message>
        <source>Splitter pane</source>
        <translation>Splitter Pane</translation>
    </message>
    <message>
        <source>Flat buttons</source>
        <translation>Flat Buttons</translation>
    </message>
    <message>
        <source>Scrolling text and etched lines</source>
        <translation>Scrolling Text and Etched Lines</translation>
    </message>
    <message>
        <source>Text progress bar</source>
        <translation>Text Progress Bar</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Playback speed</translation>
    </message>
    <message>
        <source>Movie speed:100%</source>
        <translation>Speed: 100%</translation>
    </message>
    <message>
        <source>Movie speed:%1%</source>
        <translation>Speed: %1%</translation>
    </message>
    <message>
        <source>left pane</source>
        <translation>Left pane</translation>
    </message>
    <message>
        <source>right pane</source>
        <translation>Right pane</translation>
    </message>
    <message>
        <source>left pane: %1 %</source>
        <translation>Left pane: %1%</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Kestrove|sounds, videos and pictures|one copy per user</source>
        <translation>Kestrove|Sounds, videos and pictures|One copy per user</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copying</translation>
    </message>
</context>
<context>
    <name>CopyJobDialog</name>
    <message>
        <source>From : </source>
        <translation>From: </translation>
    </message>
    <message>
        <source>To : </source>
        <translation>To: </translation>
    </message>
    <message>
        <source>Current file progress:</source>
        <translation>Current file:</translation>
    </message>
    <message>
        <source>All file(s) progress:</source>
        <translation>All files:</translation>
    </message>
    <message>
        <source>Estimated time left :</source>
        <translation>Time left: </translation>
    </message>
    <message>
        <source>Elapsed time : </source>
        <translation>Time elapsed: </translation>
    </message>
    <message>
        <source>Average KB/S : </source>
        <translation>Average speed: </translation>
    </message>
    <message>
        <source>Estimated time left :%1</source>
        <translation>Time left: %1</translation>
    </message>
    <message>
        <source>Elapsed time : %1</source>
        <translation>Time elapsed: %1</translation>
    </message>
    <message>
        <source>Average KB/S : %1</source>
        <translation>Average speed: %1/s</translation>
    </message>
    <message>
        <source>Buffersize : </source>
        <translation>Buffer size: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CopyMoveJob</name>
    <message>
        <source>%1 - Copying...</source>
        <translation>%1 – Copying…</translation>
    </message>
    <message>
        <source>%1 - Moving...</source>
        <translation>%1 – Moving…</translation>
    </message>
    <message numerus="yes">
        <source>Copying file: %1 of %n file(s).</source>
        <translation>
            <numerusform>Copying file %1 of %n.</numerusform>
            <numerusform>Copying file %1 of %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moving file: %1 of %n file(s).</source>
        <translation>
            <numerusform>Moving file %1 of %n.</numerusform>
            <numerusform>Moving file %1 of %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy to : </source>
        <translation>Copy to: </translation>
    </message>
    <message>
        <source>Move to : </source>
        <translation>Move to: </translation>
    </message>
    <message>
        <source>Nothing can be written to &quot;%1&quot;: %2.</source>
        <translation>Nothing can be written to “%1”: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) from the list does not exist at the time beeing. It could be because they exist on a removeable drive.</source>
        <translation>
            <numerusform>%n file on the list does not exist at the moment, perhaps because it is on a removable drive.</numerusform>
            <numerusform>%n files on the list do not exist at the moment, perhaps because they are on a removable drive.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These file(s) will be skipped !</source>
        <translation>
            <numerusform>This file will be skipped.</numerusform>
            <numerusform>These files will be skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) comes from the choosen path. These file(s) will be skipped.</source>
        <translation>
            <numerusform>%n file is already in the chosen folder and will be skipped.</numerusform>
            <numerusform>%n files are already in the chosen folder and will be skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy (%n) files to &quot;%1&quot; ?</source>
        <translation>
            <numerusform>Copy %n file to “%1”?</numerusform>
            <numerusform>Copy %n files to “%1”?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move (%n) files to &quot;%1&quot; ?</source>
        <translation>
            <numerusform>Move %n file to “%1”?</numerusform>
            <numerusform>Move %n files to “%1”?</numerusform>
        </translation>
    </message>
    <message>
        <source>Buffersize : %1</source>
        <translation>Buffer size: %1</translation>
    </message>
    <message>
        <source>ERROR! Copying files caused an internal error !</source>
        <translation>Copying the files failed because of an internal error.</translation>
    </message>
    <message>
        <source>ERROR! Moving files caused an internal error !</source>
        <translation>Moving the files failed because of an internal error.</translation>
    </message>
    <message>
        <source>The files in &quot;%1&quot; may not all be on the disk: %2 code : %3</source>
        <translation>The files in “%1” may not all have been written to the disk: %2 (error code %3).</translation>
    </message>
    <message>
        <source>From : %1</source>
        <translation>From: %1</translation>
    </message>
    <message>
        <source>To : %1</source>
        <translation>To: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be copied.</source>
        <translation>
            <numerusform>%n file could not be copied.</numerusform>
            <numerusform>%n files could not be copied.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be moved.</source>
        <translation>
            <numerusform>%n file could not be moved.</numerusform>
            <numerusform>%n files could not be moved.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them had gone from where the list says before their turn came.</source>
        <translation>
            <numerusform>%n of them was no longer where the list says when its turn came.</numerusform>
            <numerusform>%n of them were no longer where the list says when their turn came.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; are the same file. It is skipped.</source>
        <translation>“%1” and “%2” are the same file. It was skipped.</translation>
    </message>
    <message>
        <source>Cancel entire process ?</source>
        <translation>Cancel the whole operation?</translation>
    </message>
    <message>
        <source>There is not enough free space on drive %1 !</source>
        <translation>There is not enough free space on %1.</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; allready exist!</source>
        <translation>The file “%1” already exists.</translation>
    </message>
    <message>
        <source>Do you want to overwrite it ?</source>
        <translation>Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>Overwrite all these files ?</source>
        <translation>Overwrite all of these files?</translation>
    </message>
    <message>
        <source>Unable to copy file &quot;%1&quot; continue anyway ?</source>
        <translation>Unable to copy the file “%1”. Continue anyway?</translation>
    </message>
    <message>
        <source>Ignore further disk errors ?</source>
        <translation>Ignore further disk errors?</translation>
    </message>
    <message>
        <source>Skip all files like these ?</source>
        <translation>Skip all files like these?</translation>
    </message>
</context>
<context>
    <name>DeleteJob</name>
    <message>
        <source>Send files to Recycle Bin ?</source>
        <translation>Move the files to the Trash, or delete them permanently?</translation>
    </message>
    <message>
        <source>Cancel entire process ?</source>
        <translation>Cancel the whole operation?</translation>
    </message>
    <message>
        <source>Removing file: %1 of %2.</source>
        <translation>Removing file %1 of %2.</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Unable to delete file &quot;%1&quot;. Ignore rest ?</source>
        <translation>Unable to delete the file “%1”. Ignore further errors?</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Delete Permanently</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DeleteJobDialog</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>File : </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Current file progress:</source>
        <translation>Current file:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drag&apos;n&apos;Drop</source>
        <translation>Drag and Drop</translation>
    </message>
    <message>
        <source>HERE</source>
        <translation>Here</translation>
    </message>
</context>
<context>
    <name>EditListCommands</name>
    <message numerus="yes">
        <source>FileList (%n) files selected (%1)</source>
        <translation>
            <numerusform>Selected: %n file (%1)</numerusform>
            <numerusform>Selected: %n files (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear all ?</source>
        <translation>Remove all files from the EditList?</translation>
    </message>
    <message>
        <source>Clear selected from EditList ?</source>
        <translation>Remove the selected files from the EditList?</translation>
    </message>
    <message>
        <source>All file(s) exists !</source>
        <translation>All files exist.</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n file(s) ?</source>
        <translation>
            <numerusform>Remove %n missing file from the list?</numerusform>
            <numerusform>Remove %n missing files from the list?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditListSession</name>
    <message>
        <source>The file &quot;%1&quot; could not be found!</source>
        <translation>The file “%1” could not be found.</translation>
    </message>
    <message>
        <source>If the file is located on a CD-ROM, please insert it in the correct cd-rom drive, and try again.</source>
        <translation>If the file is on a removable medium, insert it and try again.</translation>
    </message>
</context>
<context>
    <name>EditListWindow</name>
    <message>
        <source>Files on the EditList</source>
        <translation>Files on the EditList</translation>
    </message>
    <message>
        <source>EditList</source>
        <translation>EditList</translation>
    </message>
    <message>
        <source>Checking for dublicates:</source>
        <translation>Checking for duplicates:</translation>
    </message>
    <message>
        <source>Searching in : </source>
        <translation>Searching in: </translation>
    </message>
    <message>
        <source>Searching in : %1</source>
        <translation>Searching in: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found. Last file found was of type : %1.</source>
        <translation>
            <numerusform>%n file found. It is of type %1.</numerusform>
            <numerusform>%n files found. The last one found is of type %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Operations:</source>
        <translation>Operations</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Copy…</translation>
    </message>
    <message>
        <source>Move...</source>
        <translation>Move…</translation>
    </message>
    <message>
        <source>Select the files to copy first.</source>
        <translation>Select the files to copy first.</translation>
    </message>
    <message>
        <source>Select the files to move first.</source>
        <translation>Select the files to move first.</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Delete…</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Remove All</translation>
    </message>
    <message>
        <source>Clear selected</source>
        <translation>Remove Selected</translation>
    </message>
    <message>
        <source>Clear missing file(s)</source>
        <translation>Remove Missing</translation>
    </message>
    <message>
        <source>Clear processed</source>
        <translation>Remove Processed</translation>
    </message>
    <message>
        <source>Remove dublicates</source>
        <translation>Remove Duplicates</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Process info:</source>
        <translation>File States</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Processed</source>
        <translation>Processed</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Skipped</translation>
    </message>
    <message>
        <source>Skipped with error</source>
        <translation>Skipped with error</translation>
    </message>
    <message>
        <source>Buffersize:</source>
        <translation>Buffer Size</translation>
    </message>
    <message>
        <source>8 KB</source>
        <translation>8 KB</translation>
    </message>
    <message>
        <source>32 KB *</source>
        <translation>32 KB *</translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation>64 KB</translation>
    </message>
    <message>
        <source>Most small files. Use this option for icon-like files. (8K buffer)</source>
        <translation>Mostly small files, such as icons (8 KB buffer).</translation>
    </message>
    <message>
        <source>Most medium files. Use this option for common type files like Mp3, jpg, wave etc.  (16K buffer)</source>
        <translation>Mostly medium-sized files, such as MP3, JPEG and WAVE files (16 KB buffer).</translation>
    </message>
    <message>
        <source>Most big files. Use this option for big files lile moveis, waves and very large images.  (32K buffer)</source>
        <translation>Mostly large files, such as movies, long WAVE files and very large images (32 KB buffer).</translation>
    </message>
    <message>
        <source>Drag&apos;n&apos;Drop</source>
        <translation>Drag and Drop</translation>
    </message>
    <message>
        <source>Current pattern :</source>
        <translation>Current pattern:</translation>
    </message>
    <message>
        <source>Edit pattern</source>
        <translation>Edit Pattern</translation>
    </message>
    <message>
        <source>This dataformat is not supported!</source>
        <translation>This data format is not supported.</translation>
    </message>
    <message>
        <source>You can only drop files and folders !</source>
        <translation>Only files and folders can be dropped here.</translation>
    </message>
    <message>
        <source>Searching for files...</source>
        <translation>Searching for files…</translation>
    </message>
    <message>
        <source>Searching in :</source>
        <translation>Searching in:</translation>
    </message>
    <message>
        <source>0 file(s) found.</source>
        <translation>No files found.</translation>
    </message>
    <message>
        <source>0 bytes.</source>
        <translation>0 bytes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Clear processed files from list ?</source>
        <translation>Remove the processed files from the list?</translation>
    </message>
    <message numerus="yes">
        <source>Checking for dublicates: %n file(s) removed.</source>
        <translation>
            <numerusform>Checking for duplicates: %n file removed.</numerusform>
            <numerusform>Checking for duplicates: %n files removed.</numerusform>
        </translation>
    </message>
    <message>
        <source>DONE !</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>This file does not exist. If it&apos;s located on a networkdrive or a CD-ROM, please check the media and try again.</source>
        <translation>This file does not exist. If it is on a network drive or a removable medium, make sure that it is available and try again.</translation>
    </message>
</context>
<context>
    <name>ExternalPlayerWindow</name>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>This option is not available when the EditList is open!</source>
        <translation>This is not available while the EditList is open.</translation>
    </message>
    <message>
        <source>Add files to playlist</source>
        <translation>Add Files to Playlist</translation>
    </message>
    <message>
        <source>Add files to editlist</source>
        <translation>Add Files to EditList</translation>
    </message>
    <message>
        <source>Remove files to editlist</source>
        <translation>Remove Files from EditList</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not added: its name holds a carriage return, which a list file cannot keep.</source>
        <translation>“%1” was not added: its name contains a line break, which a list file cannot store.</translation>
    </message>
    <message>
        <source>%1 files were not added: their names hold a carriage return, which a list file cannot keep.</source>
        <translation>%1 files were not added: their names contain a line break, which a list file cannot store.</translation>
    </message>
    <message>
        <source>Total files found so far : 0</source>
        <translation>Files found so far: 0</translation>
    </message>
</context>
<context>
    <name>FileContextMenu</name>
    <message>
        <source>Add to playlist &gt;&gt;</source>
        <translation>Add to Playlist</translation>
    </message>
    <message>
        <source>Add all to playlist &gt;&gt;&gt;&gt;</source>
        <translation>Add All to Playlist</translation>
    </message>
    <message>
        <source>Add to EditList ( + &amp;&amp; .. )</source>
        <translation>Add to EditList (+ &amp;&amp; ..)</translation>
    </message>
    <message>
        <source>Add all to EditList ( + &amp;&amp; Enter )</source>
        <translation>Add All to EditList (+ &amp;&amp; Enter)</translation>
    </message>
    <message>
        <source>Remove from EditList ( - &amp;&amp; .. )</source>
        <translation>Remove from EditList (− &amp;&amp; ..)</translation>
    </message>
    <message>
        <source>Remove all from EditList ( - &amp;&amp; Enter )</source>
        <translation>Remove All from EditList (− &amp;&amp; Enter)</translation>
    </message>
    <message>
        <source>Open EditList</source>
        <translation>Open EditList</translation>
    </message>
    <message>
        <source>Open in default player / viewer</source>
        <translation>Open With Default Application</translation>
    </message>
    <message>
        <source>Open in seperate window</source>
        <translation>Open in Separate Window</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Properties</translation>
    </message>
</context>
<context>
    <name>FileCopyEngine</name>
    <message>
        <source>Input past end of file</source>
        <translation>Read past the end of the file</translation>
    </message>
    <message>
        <source>The file changed while it was being moved and stays where it was</source>
        <translation>The file changed while it was being moved and was left where it was</translation>
    </message>
    <message>
        <source>%1 code : %2</source>
        <translation>%1 (error code %2)</translation>
    </message>
</context>
<context>
    <name>FileDeleter</name>
    <message>
        <source>You can&apos;t delete entier drives !</source>
        <translation>Whole drives cannot be deleted.</translation>
    </message>
    <message>
        <source>Unable to delete &quot;%1&quot;.</source>
        <translation>Unable to delete “%1”.</translation>
    </message>
    <message>
        <source>You can&apos;t delete special folders !</source>
        <translation>Special folders cannot be deleted.</translation>
    </message>
    <message>
        <source>Unable to delete folder &quot;%1&quot;.</source>
        <translation>Unable to delete the folder “%1”.</translation>
    </message>
    <message>
        <source>Delete folder &quot;%1&quot; ?</source>
        <translation>Delete the folder “%1”?</translation>
    </message>
    <message>
        <source>Delete file &quot;%1&quot; ?</source>
        <translation>Delete the file “%1”?</translation>
    </message>
    <message>
        <source>Send folder to Recycle Bin ?</source>
        <translation>Move Folder to Trash</translation>
    </message>
    <message>
        <source>Send file to Recycle Bin ?</source>
        <translation>Move File to Trash</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FileDescriptor</name>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
</context>
<context>
    <name>FileInformation</name>
    <message>
        <source>True</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>False</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Size : %1</source>
        <translation>Size: %1</translation>
    </message>
    <message>
        <source>File does not exist:</source>
        <translation>The file does not exist:</translation>
    </message>
    <message>
        <source>File is locked - cannot access:</source>
        <translation>The file cannot be accessed:</translation>
    </message>
    <message>
        <source>Unable to read AVI file info from:</source>
        <translation>Unable to read the AVI information of:</translation>
    </message>
    <message>
        <source>Type : %1</source>
        <translation>Type: %1</translation>
    </message>
    <message>
        <source>Compressed : %1</source>
        <translation>Compressed: %1</translation>
    </message>
    <message>
        <source>Interleaved : %1</source>
        <translation>Interleaved: %1</translation>
    </message>
    <message>
        <source>Can Read :  %1</source>
        <translation>Readable: %1</translation>
    </message>
    <message>
        <source>Can Write : %1</source>
        <translation>Writable: %1</translation>
    </message>
    <message>
        <source>Has index : %1</source>
        <translation>Has index: %1</translation>
    </message>
    <message>
        <source>All keyframes : %1</source>
        <translation>All keyframes: %1</translation>
    </message>
    <message>
        <source>Captured file : %1</source>
        <translation>Captured file: %1</translation>
    </message>
    <message>
        <source>Must use index : %1</source>
        <translation>Index required: %1</translation>
    </message>
    <message>
        <source>Channels : %1</source>
        <translation>Channels: %1</translation>
    </message>
    <message>
        <source>Framerate : %1 FPS</source>
        <translation>Frame rate: %1 fps</translation>
    </message>
    <message>
        <source>Size : %1 x %2</source>
        <translation>Dimensions: %1 × %2</translation>
    </message>
    <message>
        <source>No of streams : %1</source>
        <translation>Streams: %1</translation>
    </message>
    <message>
        <source>Length  : %1</source>
        <translation>Length: %1</translation>
    </message>
    <message>
        <source>Not a valid waveform-audio file!</source>
        <translation>This is not a valid WAVE audio file.</translation>
    </message>
    <message>
        <source>Can&apos;t find Format chunk!</source>
        <translation>The format chunk is missing.</translation>
    </message>
    <message>
        <source>Can&apos;t read Format chunk!</source>
        <translation>The format chunk cannot be read.</translation>
    </message>
    <message>
        <source>Bit PS : %1</source>
        <translation>Bits per sample: %1</translation>
    </message>
    <message>
        <source>Bits /s : %1</source>
        <translation>Bits per second: %1</translation>
    </message>
    <message>
        <source>Samples /s : %1</source>
        <translation>Samples per second: %1</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
</context>
<context>
    <name>FileTypeChooser</name>
    <message>
        <source>Add files to EditList</source>
        <translation>Add Files to EditList</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FolderNavigator</name>
    <message>
        <source>There is no file or folder of that name.</source>
        <translation>There is no file or folder of that name.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is no longer there.</source>
        <translation>The folder “%1” is no longer there.</translation>
    </message>
</context>
<context>
    <name>FolderWalker</name>
    <message>
        <source>Path is invalid</source>
        <translation>The path is not valid</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kestrove is allready running !</source>
        <translation>Kestrove is already running.</translation>
    </message>
    <message>
        <source>Go to our website ?</source>
        <translation>Visit the Kestrove website?</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
</context>
<context>
    <name>M3uFile</name>
    <message>
        <source>it is %1 text, and playlists are read as UTF-8</source>
        <translation>it is %1 text, but playlists are read as UTF-8</translation>
    </message>
    <message>
        <source>it is not a text file: it holds NUL bytes</source>
        <translation>it is not a text file (it contains NUL bytes)</translation>
    </message>
</context>
<context>
    <name>MediaFacts</name>
    <message>
        <source>Title : %1</source>
        <translation>Title: %1</translation>
    </message>
    <message>
        <source>Artist : %1</source>
        <translation>Artist: %1</translation>
    </message>
    <message>
        <source>Album : %1</source>
        <translation>Album: %1</translation>
    </message>
    <message>
        <source>Year : %1</source>
        <translation>Year: %1</translation>
    </message>
    <message>
        <source>Track : %1</source>
        <translation>Track: %1</translation>
    </message>
    <message>
        <source>Duration : %1</source>
        <translation>Duration: %1</translation>
    </message>
    <message>
        <source>Video codec : %1</source>
        <translation>Video codec: %1</translation>
    </message>
    <message>
        <source>Audio codec : %1</source>
        <translation>Audio codec: %1</translation>
    </message>
    <message>
        <source>Codec : %1</source>
        <translation>Codec: %1</translation>
    </message>
    <message>
        <source>Bit rate : %1 kbit/s</source>
        <translation>Bit rate: %1 kbit/s</translation>
    </message>
    <message>
        <source>Sample rate : %1 Hz</source>
        <translation>Sample rate: %1 Hz</translation>
    </message>
    <message>
        <source>Channels : %1</source>
        <translation>Channels: %1</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Picture size : %1 x %2</source>
        <translation>Picture size: %1 × %2</translation>
    </message>
    <message>
        <source>Frame rate : %1 fps</source>
        <translation>Frame rate: %1 fps</translation>
    </message>
</context>
<context>
    <name>MediaTypeEditor</name>
    <message>
        <source>Drag&apos;n&apos; Drop Extentions</source>
        <translation>Drag-and-Drop File Types</translation>
    </message>
    <message>
        <source>Supported extentions:</source>
        <translation>Supported file types:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Deselect All</translation>
    </message>
</context>
<context>
    <name>MpvPlayer</name>
    <message>
        <source>The player for sound and video (libmpv) cannot be loaded: %1</source>
        <translation>The player for sound and video (libmpv) cannot be loaded: %1</translation>
    </message>
    <message>
        <source>The player for sound and video (libmpv) cannot be started.</source>
        <translation>The player for sound and video (libmpv) cannot be started.</translation>
    </message>
    <message>
        <source>The MIDI synthesiser (FluidSynth) cannot be loaded: %1</source>
        <translation>The MIDI synthesiser (FluidSynth) cannot be loaded: %1</translation>
    </message>
</context>
<context>
    <name>PaneLayout</name>
    <message>
        <source>FOLDERS</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>PLAYLIST</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>PLAYER</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Auto arrange to 25 %</source>
        <translation>Arrange Evenly (25%)</translation>
    </message>
    <message>
        <source>Folders and lists</source>
        <translation>Folders and lists</translation>
    </message>
    <message>
        <source>Lists and player</source>
        <translation>Lists and player</translation>
    </message>
    <message>
        <source>Files and playlist</source>
        <translation>Files and playlist</translation>
    </message>
</context>
<context>
    <name>PathBar</name>
    <message>
        <source>Path:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>Auto arrange</source>
        <translation>Auto Arrange</translation>
    </message>
</context>
<context>
    <name>PictureDescriber</name>
    <message>
        <source>Dimensions : %1 x %2</source>
        <translation>Dimensions: %1 × %2</translation>
    </message>
    <message>
        <source>Camera : %1</source>
        <translation>Camera: %1</translation>
    </message>
    <message>
        <source>Date taken : %1</source>
        <translation>Date taken: %1</translation>
    </message>
    <message>
        <source>Exposure time : %1 s</source>
        <translation>Exposure time: %1 s</translation>
    </message>
    <message>
        <source>Aperture : f/%1</source>
        <translation>Aperture: f/%1</translation>
    </message>
    <message>
        <source>ISO : %1</source>
        <translation>ISO: %1</translation>
    </message>
    <message>
        <source>Focal length : %1 mm</source>
        <translation>Focal length: %1 mm</translation>
    </message>
    <message>
        <source>GPS position : Recorded</source>
        <translation>GPS location: recorded</translation>
    </message>
    <message>
        <source>Software : %1</source>
        <translation>Software: %1</translation>
    </message>
</context>
<context>
    <name>PicturePanel</name>
    <message>
        <source>Click for fullscreen, right-click or press ESC to return again.</source>
        <translation>Click to view full screen; right-click or press Esc to return.</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>This mark indicates that this picture is added to the EditList. Use Space/Shift-Space to add/remove it.</source>
        <translation>This mark shows that the picture is on the EditList. Press Space to add it and Shift+Space to remove it.</translation>
    </message>
    <message>
        <source>Zoom : %1 %</source>
        <translation>Zoom: %1%</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
</context>
<context>
    <name>PlaybackCommands</name>
    <message>
        <source>Playing a video</source>
        <translation>Playing a video</translation>
    </message>
    <message>
        <source>MCI COMMAND:</source>
        <translation>Player command:</translation>
    </message>
    <message>
        <source>SEND MCI COMMAND TO DRIVER</source>
        <translation>Send Player Command</translation>
    </message>
</context>
<context>
    <name>PlaybackOptionsPanel</name>
    <message>
        <source>Autoplay on click</source>
        <translation>Play on click</translation>
    </message>
    <message>
        <source>Autoplay at start</source>
        <translation>Play at start-up</translation>
    </message>
    <message>
        <source>Auto play next</source>
        <translation>Play next automatically</translation>
    </message>
    <message>
        <source>Remember position</source>
        <translation>Remember position</translation>
    </message>
    <message>
        <source>Restore speed at start</source>
        <translation>Restore speed at start-up</translation>
    </message>
    <message>
        <source>Maintain speed</source>
        <translation>Keep speed</translation>
    </message>
    <message>
        <source>StartOffset</source>
        <translation>Start at</translation>
    </message>
    <message>
        <source>AutoPlay delay</source>
        <translation>Picture time</translation>
    </message>
    <message>
        <source>Movie speed:%1%</source>
        <translation>Speed: %1%</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>%1 Sec.</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Movie/Mp3  speed:100%</source>
        <translation>Speed: 100%</translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>No info</source>
        <translation>No information</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>File information</translation>
    </message>
</context>
<context>
    <name>PlaylistCommands</name>
    <message>
        <source>Open playlist</source>
        <translation>Open Playlist</translation>
    </message>
    <message>
        <source>ERROR! File don&apos;t exist !</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>The playlist %1 cannot be read: %2.</source>
        <translation>The playlist %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>Noting to save !</source>
        <translation>There is nothing to save.</translation>
    </message>
    <message>
        <source>Save playlist</source>
        <translation>Save Playlist</translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation>The file already exists. Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>Overwrite?</source>
        <translation>Overwrite File</translation>
    </message>
    <message>
        <source>The playlist cannot be saved as %1: %2.</source>
        <translation>The playlist cannot be saved as %1: %2.</translation>
    </message>
</context>
<context>
    <name>PlaylistPanel</name>
    <message>
        <source>USE PLAYLIST</source>
        <translation>Use playlist</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
</context>
<context>
    <name>PlaylistWindow</name>
    <message>
        <source>PlayList</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Kestrove Setup</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Note! When you delete, files and folders is always send to Recycle Bin !</source>
        <translation>Delete moves files to the Trash; you are asked first</translation>
    </message>
    <message>
        <source>Updating registry, please wait...</source>
        <translation>Updating the file associations, please wait…</translation>
    </message>
    <message>
        <source>Resize filepanel while dragging</source>
        <translation>Resize the file pane while dragging</translation>
    </message>
    <message>
        <source>Resize videopanel while dragging</source>
        <translation>Resize the video pane while dragging</translation>
    </message>
    <message>
        <source>Minimize mainwindow when EditList is opened.</source>
        <translation>Minimize the main window when the EditList opens</translation>
    </message>
    <message>
        <source>Delete moves file to Resycle Bin</source>
        <translation>Delete moves files to the Trash</translation>
    </message>
    <message>
        <source>Confirmation when deleting files from filelist.</source>
        <translation>Ask before deleting files from the file list</translation>
    </message>
    <message>
        <source>Show ALL filetypes in filelist</source>
        <translation>Show all file types in the file list</translation>
    </message>
    <message>
        <source>Also show modern media types (PNG, JPEG, WebP, SVG, TIFF, FLAC, Ogg, Opus, M4A, MP4, MKV, WebM)</source>
        <translation>Also show modern media types (PNG, JPEG, WebP, SVG, TIFF, FLAC, Ogg, Opus, M4A, MP4, MKV, WebM)</translation>
    </message>
    <message>
        <source>Association :</source>
        <translation>Association:</translation>
    </message>
    <message>
        <source>Filetypes successfull associate with context:</source>
        <translation>File types successfully associated with the context menu:</translation>
    </message>
    <message>
        <source>Please note! Kestrove might not be able to play/show all types listed here. Kestrove can only play filetypoes with def. MCI driver installed.</source>
        <translation>Please note: Kestrove may not be able to play or show every type listed here; it plays only the file types that its media libraries can read.</translation>
    </message>
    <message>
        <source>Make association</source>
        <translation>Make Association</translation>
    </message>
    <message>
        <source>Remove association</source>
        <translation>Remove Association</translation>
    </message>
    <message>
        <source>Done.. You may now RightClick on any supported filetype ( see Readme.txt ) or folder, and choose Browse with Kestrove, to open it with Kestrove.</source>
        <translation>Done. You can now right-click any supported file (see README) or folder in your file manager and choose “Browse with Kestrove” to open it in Kestrove.</translation>
    </message>
    <message>
        <source>The association was not made: the desktop entry that lets file managers offer Browse with Kestrove could not be written.</source>
        <translation>The association was not made: the desktop entry that lets file managers offer “Browse with Kestrove” could not be written.</translation>
    </message>
    <message>
        <source>Done ! :o(</source>
        <translation>Done. The association has been removed.</translation>
    </message>
    <message>
        <source>Supported filetypes ?</source>
        <translation>Supported File Types</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>if the correct MCI or Video-Driver is installed !</source>
        <translation>(playable when the media libraries they need are installed)</translation>
    </message>
    <message>
        <source>Fit large pictures to the screen</source>
        <translation>Fit large pictures to the screen</translation>
    </message>
    <message>
        <source>Show thumbnails</source>
        <translation>Show thumbnails</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 pixels</translation>
    </message>
    <message>
        <source>Thumbnail size:</source>
        <translation>Thumbnail size:</translation>
    </message>
</context>
<context>
    <name>PropertiesDialog</name>
    <message>
        <source>Properties of %1</source>
        <translation>Properties of %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>Contains:</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modified:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Accessed:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permissions:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The EditList in %1 was not read: %2. The file is left as it is.</source>
        <translation>The EditList in %1 could not be read: %2. The file was left unchanged.</translation>
    </message>
    <message>
        <source>The playlist in %1 was not read: %2. The file is left as it is.</source>
        <translation>The playlist in %1 could not be read: %2. The file was left unchanged.</translation>
    </message>
    <message>
        <source>The EditList could not be saved in %1: %2. The file there was kept as it was.</source>
        <translation>The EditList could not be saved in %1: %2. The existing file was left unchanged.</translation>
    </message>
    <message>
        <source>The playlist could not be saved in %1: %2. The file there was kept as it was.</source>
        <translation>The playlist could not be saved in %1: %2. The existing file was left unchanged.</translation>
    </message>
    <message>
        <source>The name is too long for the trash.</source>
        <translation>The name is too long for the Trash.</translation>
    </message>
    <message>
        <source>The trash cannot be reached.</source>
        <translation>The Trash cannot be reached.</translation>
    </message>
    <message>
        <source>The trash could not record where the item came from, and the item could not be put back from %1.</source>
        <translation>The Trash could not record where the item came from, and the item could not be put back from %1.</translation>
    </message>
    <message>
        <source>The name is too long for another item of that name in the trash, so the item was put back.</source>
        <translation>The name is too long for another item of that name in the Trash, so the item was put back.</translation>
    </message>
    <message>
        <source>The trash could not record where the item came from, so the item was put back.</source>
        <translation>The Trash could not record where the item came from, so the item was put back.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>it is larger than %1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
</context>
<context>
    <name>ScrollingText</name>
    <message>
        <source>Kestrove|browses, previews and plays your media|thank you for using it</source>
        <translation>Kestrove|Browses, previews and plays your media|Thank you for using it</translation>
    </message>
</context>
<context>
    <name>SearchProgressDialog</name>
    <message>
        <source>Searching....</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>Adding file:</source>
        <translation>Adding: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Adding file:%1</source>
        <translation>Adding: %1</translation>
    </message>
    <message>
        <source>Files found so far : %1</source>
        <translation>Files found so far: %1</translation>
    </message>
</context>
<context>
    <name>SeparateVideoWindow</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Normal size (100%)</source>
        <translation>Normal Size (100%)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Slider</name>
    <message>
        <source>Set to 0%</source>
        <translation>Set to 0%</translation>
    </message>
    <message>
        <source>Set to 50%</source>
        <translation>Set to 50%</translation>
    </message>
    <message>
        <source>Set to 100%</source>
        <translation>Set to 100%</translation>
    </message>
</context>
<context>
    <name>SplitterPane</name>
    <message>
        <source>Splitter width cannot be set smaller than 1 pixel !</source>
        <translation>The splitter cannot be narrower than 1 pixel.</translation>
    </message>
    <message>
        <source>Splitter width cannot be set bigger than 100 Pixel !</source>
        <translation>The splitter cannot be wider than 100 pixels.</translation>
    </message>
    <message>
        <source>Minsize cannot be set below 1% !</source>
        <translation>The minimum size cannot be less than 1%.</translation>
    </message>
    <message>
        <source>Minsize cannot be set above 50%</source>
        <translation>The minimum size cannot be more than 50%.</translation>
    </message>
</context>
<context>
    <name>TitleStrip</name>
    <message>
        <source>Click to give this panel the most room; right-click to arrange the panels</source>
        <translation>Click to give this pane the most room; right-click to arrange the panes</translation>
    </message>
</context>
<context>
    <name>TransportBar</name>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Sound On</translation>
    </message>
</context>
<context>
    <name>ViewerCommands</name>
    <message>
        <source>Unable to open the selected file. File may be corrupted!</source>
        <translation>Unable to open the selected file. It may be damaged.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Up one folder</source>
        <translation>Up One Folder</translation>
    </message>
    <message>
        <source>Play in a separate window</source>
        <translation>Play in Separate Window</translation>
    </message>
    <message>
        <source>Video on the whole screen</source>
        <translation>Full Screen Video</translation>
    </message>
    <message>
        <source>Open in the default program</source>
        <translation>Open With Default Application</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Show the playing file</source>
        <translation>Show Playing File</translation>
    </message>
    <message>
        <source>Open EditList</source>
        <translation>Open EditList</translation>
    </message>
    <message>
        <source>Play in the media player window</source>
        <translation>Play in Media Player Window</translation>
    </message>
    <message>
        <source>About Kestrove</source>
        <translation>About Kestrove</translation>
    </message>
    <message>
        <source>Play in a separate window from the start</source>
        <translation>Play in Separate Window from the Start</translation>
    </message>
    <message>
        <source>Play in the media player window from the start</source>
        <translation>Play in Media Player Window from the Start</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>ADD TO EDITLIST</source>
        <translation>To EditList</translation>
    </message>
    <message>
        <source>CLEAR ALL</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>CLEAR SEL</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>SAVE AS</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>SEND MCI  COMMAND</source>
        <translation>Player Command</translation>
    </message>
    <message>
        <source>Scale panel to fit video 100%</source>
        <translation>Fit Pane to Video (100%)</translation>
    </message>
    <message>
        <source>Type a path</source>
        <translation>Type a Path</translation>
    </message>
    <message>
        <source>Next file</source>
        <translation>Next File</translation>
    </message>
    <message>
        <source>Previous file</source>
        <translation>Previous File</translation>
    </message>
    <message>
        <source>Add to EditList</source>
        <translation>Add to EditList</translation>
    </message>
    <message>
        <source>Remove from EditList</source>
        <translation>Remove from EditList</translation>
    </message>
    <message>
        <source>Auto play next</source>
        <translation>Play Next Automatically</translation>
    </message>
    <message>
        <source>Read the folder again</source>
        <translation>Reload Folder</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Play or Pause</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>Back 10 Seconds</translation>
    </message>
    <message>
        <source>On 10 seconds</source>
        <translation>Forward 10 Seconds</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Add files to editlist</source>
        <translation>Add Files to EditList</translation>
    </message>
    <message>
        <source>Remove files to editlist</source>
        <translation>Remove Files from EditList</translation>
    </message>
    <message>
        <source>Remove from the playlist</source>
        <translation>Remove from Playlist</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Delete Folder</translation>
    </message>
    <message>
        <source>Show thumbnails</source>
        <translation>Show Thumbnails</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kestrove cannot make sure that only one copy of it runs, because its lock file can be neither used nor replaced (%1). Remove that file and start Kestrove again.</source>
        <translation>Kestrove cannot make sure that only one copy of it runs, because its lock file can be neither used nor replaced (%1). Remove that file and start Kestrove again.</translation>
    </message>
</context>
</TS>
