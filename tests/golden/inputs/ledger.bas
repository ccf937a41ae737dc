Attribute VB_Name = "Ledger"
Option Explicit

' Adds one entry and reports the new total.
Public Sub AddEntry(ByVal amount As Currency)
    Total = Total + amount
    Report "added", amount
    Call Audit(amount)
End Sub

Private Sub Report(ByVal what As String, ByVal amount As Currency)
    REM say what happened
    If amount < 0 Then
        MsgBox "it's negative"
        Exit Sub
    End If
    Debug.Print what; amount
End Sub

Function Audit(ByVal amount As Currency) As Boolean
    Audit = Checked(amount) ' expression: not a statement call
    Report "audit", amount
End Function

Sub Reset
    Total = 0
End Sub
