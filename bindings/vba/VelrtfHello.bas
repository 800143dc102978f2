Attribute VB_Name = "VelrtfHello"
' Writes a short RTF document with velrtf.dll, from VBA (Office) or VB6.
'
' A 32-bit host (VB6, 32-bit Office) loads the 32-bit DLL (x86\velrtf.dll of the Windows zip), 64-bit Office
' the 64-bit one (x64\velrtf.dll). Put it beside the host's program, on PATH, or give its full path after Lib.
' Handles are pointer-sized: LongPtr where VBA7 has it (Office 2010 and later, 32-bit and 64-bit), Long in VB6
' and older Office. Strings go ByVal As String, which passes them as ANSI char*.
Option Explicit

Private Const CHAR_BOLD As Long = &H2
Private Const DOCFLAG_QUIET As Long = &H1

#If VBA7 Then
Private Declare PtrSafe Function VelNewDoc Lib "velrtf.dll" () As LongPtr
Private Declare PtrSafe Function VelEndDoc Lib "velrtf.dll" (ByVal doc As LongPtr) As Long
Private Declare PtrSafe Function VelSetFlags Lib "velrtf.dll" (ByVal doc As LongPtr, ByVal setBits As Long, _
    ByVal bits As Long) As Long
Private Declare PtrSafe Function VelTextFont Lib "velrtf.dll" (ByVal doc As LongPtr, ByVal typeface As String, _
    ByVal size As Long, ByVal style As Long, ByVal switchOn As Long) As Long
Private Declare PtrSafe Function VelInsertText Lib "velrtf.dll" (ByVal doc As LongPtr, ByVal text As String) As Long
Private Declare PtrSafe Function VelSaveFile Lib "velrtf.dll" (ByVal doc As LongPtr, ByVal path As String) As LongPtr
Private Declare PtrSafe Function VelGetLastMessage Lib "velrtf.dll" (ByVal message As String, _
    ByVal caption As String) As Long
#Else
Private Declare Function VelNewDoc Lib "velrtf.dll" () As Long
Private Declare Function VelEndDoc Lib "velrtf.dll" (ByVal doc As Long) As Long
Private Declare Function VelSetFlags Lib "velrtf.dll" (ByVal doc As Long, ByVal setBits As Long, _
    ByVal bits As Long) As Long
Private Declare Function VelTextFont Lib "velrtf.dll" (ByVal doc As Long, ByVal typeface As String, _
    ByVal size As Long, ByVal style As Long, ByVal switchOn As Long) As Long
Private Declare Function VelInsertText Lib "velrtf.dll" (ByVal doc As Long, ByVal text As String) As Long
Private Declare Function VelSaveFile Lib "velrtf.dll" (ByVal doc As Long, ByVal path As String) As Long
Private Declare Function VelGetLastMessage Lib "velrtf.dll" (ByVal message As String, _
    ByVal caption As String) As Long
#End If

' Writes the document to `path`; a failed save raises the library's message.
Public Sub WriteHello(ByVal path As String)
#If VBA7 Then
    Dim doc As LongPtr
#Else
    Dim doc As Long
#End If
    doc = VelNewDoc()
    If doc = 0 Then Err.Raise vbObjectError + 23, "VelNewDoc", "Ran Out of Memory"
    VelSetFlags doc, 1, DOCFLAG_QUIET                   ' reports wait for VelGetLastMessage: no message box
    VelTextFont doc, "Arial", 14, CHAR_BOLD, 1          ' opens a section by itself
    VelInsertText doc, "Hello from VBA" & vbCrLf        ' CR LF ends the paragraph
    VelTextFont doc, vbNullString, 0, CHAR_BOLD, 0      ' bold off; typeface and size unchanged
    VelInsertText doc, "Written by velrtf.dll." & vbCrLf
    If VelSaveFile(doc, path) <> 1 Then                 ' 1 when written
        Dim message As String, caption As String, number As Long
        message = String$(300, vbNullChar)
        caption = String$(1000, vbNullChar)
        number = VelGetLastMessage(message, caption)
        VelEndDoc doc
        Err.Raise vbObjectError + number, Left$(caption, InStr(caption, vbNullChar) - 1), _
            Left$(message, InStr(message, vbNullChar) - 1)
    End If
    VelEndDoc doc
End Sub
