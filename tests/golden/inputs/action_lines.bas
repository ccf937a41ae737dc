Attribute VB_Name = "Grid"
Option Explicit

' Draws one row of cells.
Private Sub DrawRow(ByVal n As Integer)
    Dim i As Integer
    If n = 0 Then Exit Sub
    For i = 1 To n
        Select Case i Mod 3
        Case 0
            Cell "fizz"   ' a quote in a comment: it's fine
        Case Else
            Cell CStr(i)
        End Select
    Next i
    With Picture1
        .Refresh
    End With
End Sub

Public Function Settle(ByVal x As Long) As Long
    Do While x > 1
        x = x \ 2
    Loop
    Do
        x = x + 1
    Loop Until x > 10
    IF x > 5 THEN
        Settle = 1
    ELSEIF x > 2 THEN
        Settle = 2
    ELSE
        Settle = 3
    END IF
End Function
